#pragma once

#include <QMessageBox>
#include <QPointer>
#include <QWidget>
#include <optional>
#include <string>
#include <string_view>

#include "core/program/database_file_questions.h"

namespace solvara {

// Asks the database file questions with message boxes and the password dialog.
class MessageBoxQuestions : public DatabaseFileQuestions {
  public:
    explicit MessageBoxQuestions(QWidget* parent = nullptr) : parent_(parent) {}

    // The database is read before the main window exists; it becomes the parent later.
    void setParent(QWidget* parent) { parent_ = parent; }

    std::optional<std::string> askPassword(PasswordDialogMode mode,
                                           const std::string& givenDigest) override;
    bool askYesNo(std::string_view text, MessageIcon icon) override;
    Answer askYesNoCancel(std::string_view text, MessageIcon icon) override;
    void showMessage(std::string_view text) override;

  private:
    QMessageBox::StandardButton ask(std::string_view text, MessageIcon icon,
                                    QMessageBox::StandardButtons buttons) const;
    QWidget* dialogParent() const;

    QPointer<QWidget> parent_;
};

}  // namespace solvara
