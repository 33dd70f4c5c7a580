#include "core/program/password_dialog.h"

#include <gtest/gtest.h>

#include "core/program/password_digest.h"

namespace solvara {
namespace {

using Field = PasswordDialog::Field;

TEST(PasswordDialog, EachModeEnablesItsFields) {
    struct Case {
        PasswordDialogMode mode;
        bool current, newPassword, repeated;
    };
    for (const Case& c : {Case{PasswordDialogMode::enter, true, false, false},
                          Case{PasswordDialogMode::set, false, true, true},
                          Case{PasswordDialogMode::change, true, true, true}}) {
        const PasswordDialog dialog(c.mode, "");
        EXPECT_EQ(dialog.IsFieldEnabled(PasswordDialog::current), c.current);
        EXPECT_EQ(dialog.IsFieldEnabled(PasswordDialog::newPassword), c.newPassword);
        EXPECT_EQ(dialog.IsFieldEnabled(PasswordDialog::repeated), c.repeated);
    }
}

TEST(PasswordDialog, EnterAlwaysAllowsOkAndGivesTheDigestOfTheFirstField) {
    PasswordDialog dialog(PasswordDialogMode::enter, "");
    EXPECT_TRUE(dialog.IsOkEnabled());
    EXPECT_EQ(dialog.Result(), "");
    dialog.SetField(PasswordDialog::newPassword, "ignored");  // disabled
    EXPECT_EQ(dialog.field(PasswordDialog::newPassword), "");
    dialog.SetField(PasswordDialog::current, "secret");
    EXPECT_TRUE(dialog.IsOkEnabled());
    EXPECT_EQ(dialog.Result(), passwordDigest("secret"));
}

TEST(PasswordDialog, SetAllowsOkWhileTheNewPasswordsAgree) {
    PasswordDialog dialog(PasswordDialogMode::set, "");
    EXPECT_TRUE(dialog.IsOkEnabled());  // both empty: removing protection
    EXPECT_EQ(dialog.Result(), "");
    dialog.SetField(PasswordDialog::newPassword, "abc");
    EXPECT_FALSE(dialog.IsOkEnabled());
    dialog.SetField(PasswordDialog::repeated, "ab");
    EXPECT_FALSE(dialog.IsOkEnabled());
    dialog.SetField(PasswordDialog::repeated, "abc");
    EXPECT_TRUE(dialog.IsOkEnabled());
    EXPECT_EQ(dialog.Result(), passwordDigest("abc"));
}

TEST(PasswordDialog, ChangeNeedsTheCurrentPasswordAndAgreeingNewOnes) {
    const std::string given = passwordDigest("old");
    struct Case {
        const char* current;
        const char* newPassword;
        const char* repeated;
        bool okEnabled;
    };
    for (const Case& c :
         {Case{"", "", "", false}, Case{"wrong", "", "", false}, Case{"old", "new", "neu", false},
          Case{"old", "new", "new", true}, Case{"old", "", "", true}}) {
        PasswordDialog dialog(PasswordDialogMode::change, given);
        dialog.SetField(PasswordDialog::current, c.current);
        dialog.SetField(PasswordDialog::newPassword, c.newPassword);
        dialog.SetField(PasswordDialog::repeated, c.repeated);
        EXPECT_EQ(dialog.IsOkEnabled(), c.okEnabled)
            << c.current << '/' << c.newPassword << '/' << c.repeated;
        EXPECT_EQ(dialog.Result(), passwordDigest(c.newPassword));
    }
}

TEST(PasswordDialog, ChangeAgainstAnUnreadableFileCanNeverBeConfirmed) {
    PasswordDialog dialog(PasswordDialogMode::change, "qmvexz");
    for (const char* password : {"qmvexz", "", "anything"}) {
        dialog.SetField(PasswordDialog::current, password);
        EXPECT_FALSE(dialog.IsOkEnabled()) << password;
    }
}

}  // namespace
}  // namespace solvara
