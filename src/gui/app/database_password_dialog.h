#pragma once

#include <QDialog>
#include <array>
#include <optional>
#include <string>

#include "core/program/password_dialog.h"

class QLineEdit;
class QPushButton;

namespace solvara {

// "Database password": the window of PasswordDialog. Every keystroke goes
// into the rules, which decide whether OK may be pressed and what it gives.
class DatabasePasswordDialog : public QDialog {
    Q_OBJECT

  public:
    DatabasePasswordDialog(PasswordDialogMode mode, const std::string& givenDigest,
                           QWidget* parent = nullptr);

    // What OK gives back: a digest, or empty for "no password".
    std::string digest() const { return rules_.Result(); }

  private:
    void fieldEdited(PasswordDialog::Field field, const QString& text);

    PasswordDialog rules_;
    std::array<QLineEdit*, 3> fields_{};
    QPushButton* ok_ = nullptr;
};

// Shows the dialog; the digest when it is closed with OK, none on Cancel.
std::optional<std::string> askDatabasePassword(QWidget* parent, PasswordDialogMode mode,
                                               const std::string& givenDigest);

}  // namespace solvara
