#pragma once

#include <array>
#include <string>

namespace solvara {

enum class PasswordDialogMode { enter, set, change };

// The rules of the database password dialog without its window: which fields
// take input, when OK may be pressed and what the dialog gives back. The
// desktop dialog mirrors every keystroke into SetField and asks IsOkEnabled.
class PasswordDialog {
  public:
    static constexpr const char* kTitle = "Database password";
    static constexpr const char* kCurrentLabel = "To save the database enter password:";
    static constexpr const char* kNewLabel = "Enter new password:";
    static constexpr const char* kRepeatedLabel = "Reenter the new password:";

    enum Field { current = 0, newPassword = 1, repeated = 2 };

    // `givenDigest` is what the current password must digest to in mode change.
    PasswordDialog(PasswordDialogMode mode, std::string givenDigest);

    PasswordDialogMode mode() const noexcept { return mode_; }
    bool IsFieldEnabled(Field field) const noexcept;
    // Text typed into a field; a disabled field keeps its text.
    void SetField(Field field, std::string text);
    const std::string& field(Field field) const noexcept { return fields_[field]; }

    bool IsOkEnabled() const;
    // What OK gives back: the digest of the password that counts in this mode,
    // empty when that field is empty (in set and change: no protection).
    std::string Result() const;

  private:
    PasswordDialogMode mode_;
    std::string givenDigest_;
    std::array<std::string, 3> fields_;
};

}  // namespace solvara
