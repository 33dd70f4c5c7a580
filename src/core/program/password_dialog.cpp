#include "core/program/password_dialog.h"

#include <utility>

#include "core/program/password_digest.h"

namespace solvara {

PasswordDialog::PasswordDialog(PasswordDialogMode mode, std::string givenDigest)
    : mode_(mode), givenDigest_(std::move(givenDigest)) {}

bool PasswordDialog::IsFieldEnabled(Field field) const noexcept {
    switch (mode_) {
        case PasswordDialogMode::enter:
            return field == current;
        case PasswordDialogMode::set:
            return field != current;
        case PasswordDialogMode::change:
            break;
    }
    return true;
}

void PasswordDialog::SetField(Field field, std::string text) {
    if (IsFieldEnabled(field)) fields_[field] = std::move(text);
}

bool PasswordDialog::IsOkEnabled() const {
    const bool newPasswordsAgree = fields_[newPassword] == fields_[repeated];
    switch (mode_) {
        case PasswordDialogMode::enter:
            return true;
        case PasswordDialogMode::set:
            return newPasswordsAgree;
        case PasswordDialogMode::change:
            break;
    }
    return !fields_[current].empty() && passwordDigest(fields_[current]) == givenDigest_ &&
           newPasswordsAgree;
}

std::string PasswordDialog::Result() const {
    return passwordDigest(fields_[mode_ == PasswordDialogMode::enter ? current : newPassword]);
}

}  // namespace solvara
