#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/program/database_file_questions.h"
#include "core/program/password_dialog.h"

namespace solvara::testing {

// What the user types into the password dialog, and whether OK or Cancel closes it.
struct PasswordEntry {
    std::string current;
    std::string newPassword;
    std::string repeated;
    bool ok = true;
};

// The dialog in mode enter, closed with OK or Cancel.
inline PasswordEntry entered(std::string password) { return {std::move(password), "", "", true}; }
inline PasswordEntry cancelled() { return {"", "", "", false}; }

// Answers the database questions from a script and records every question
// and message in order. Passwords go through the real dialog rules, so a
// script cannot press an OK that the dialog would keep disabled.
class ScriptedQuestions : public DatabaseFileQuestions {
  public:
    std::deque<PasswordEntry> passwords;
    std::deque<bool> yesNo;
    std::deque<Answer> yesNoCancel;
    std::vector<std::string> log;

    std::optional<std::string> askPassword(PasswordDialogMode mode,
                                           const std::string& givenDigest) override {
        log.push_back(std::string("password dialog: ") + modeName(mode));
        if (passwords.empty()) {
            ADD_FAILURE() << "unexpected password dialog";
            return std::nullopt;
        }
        const PasswordEntry entry = passwords.front();
        passwords.pop_front();
        PasswordDialog dialog(mode, givenDigest);
        dialog.SetField(PasswordDialog::current, entry.current);
        dialog.SetField(PasswordDialog::newPassword, entry.newPassword);
        dialog.SetField(PasswordDialog::repeated, entry.repeated);
        if (!entry.ok) return std::nullopt;
        EXPECT_TRUE(dialog.IsOkEnabled()) << "the script pressed a disabled OK";
        return dialog.Result();
    }

    bool askYesNo(std::string_view text, MessageIcon) override {
        log.emplace_back(text);
        if (yesNo.empty()) {
            ADD_FAILURE() << "unexpected question: " << text;
            return false;
        }
        const bool answer = yesNo.front();
        yesNo.pop_front();
        return answer;
    }

    Answer askYesNoCancel(std::string_view text, MessageIcon) override {
        log.emplace_back(text);
        if (yesNoCancel.empty()) {
            ADD_FAILURE() << "unexpected question: " << text;
            return Answer::cancel;
        }
        const Answer answer = yesNoCancel.front();
        yesNoCancel.pop_front();
        return answer;
    }

    void showMessage(std::string_view text) override { log.emplace_back(text); }

  private:
    static const char* modeName(PasswordDialogMode mode) {
        switch (mode) {
            case PasswordDialogMode::enter:
                return "enter";
            case PasswordDialogMode::set:
                return "set";
            case PasswordDialogMode::change:
                break;
        }
        return "change";
    }
};

}  // namespace solvara::testing
