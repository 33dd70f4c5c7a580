#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/program/password_dialog.h"

namespace solvara {

enum class MessageIcon { none, exclamation, stop };
enum class Answer { yes, no, cancel };

// What the database file operations ask and tell the user. The desktop
// application answers with dialogs; tests and the command line script it.
class DatabaseFileQuestions {
  public:
    virtual ~DatabaseFileQuestions() = default;

    // Shows the password dialog; the result of OK (PasswordDialog::Result),
    // none when it was cancelled.
    virtual std::optional<std::string> askPassword(PasswordDialogMode mode,
                                                   const std::string& givenDigest) = 0;
    virtual bool askYesNo(std::string_view text, MessageIcon icon) = 0;
    virtual Answer askYesNoCancel(std::string_view text, MessageIcon icon) = 0;
    virtual void showMessage(std::string_view text) = 0;
};

}  // namespace solvara
