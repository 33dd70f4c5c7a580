#include <gtest/gtest.h>

#include <QAccessible>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <array>
#include <filesystem>
#include <string>
#include <vector>

#include "core/program/database_file.h"
#include "core/program/database_messages.h"
#include "core/program/password_digest.h"
#include "core/program/program_database.h"
#include "gui/app/database_password_dialog.h"
#include "gui/app/database_path_window.h"
#include "gui/app/message_box_questions.h"
#include "gui/widgets/qt_text.h"
#include "modal_answers.h"
#include "support/temporary_folder.h"

namespace solvara {
namespace {

namespace messages = database_messages;
using testing::ModalAnswers;

const std::array<const char*, 3> kFieldLabels = {
    PasswordDialog::kCurrentLabel, PasswordDialog::kNewLabel, PasswordDialog::kRepeatedLabel};

QLineEdit* fieldUnder(const QWidget& window, const char* label) {
    for (const QLabel* candidate : window.findChildren<QLabel*>()) {
        if (candidate->text() == QString::fromLatin1(label))
            return qobject_cast<QLineEdit*>(candidate->buddy());
    }
    return nullptr;
}

QPushButton* okButton(const QWidget& window) {
    return window.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
}

QPushButton* buttonNamed(const QWidget& window, const QString& text) {
    for (QPushButton* button : window.findChildren<QPushButton*>()) {
        if (button->text().remove(QLatin1Char('&')) == text) return button;
    }
    return nullptr;
}

QString accessibleName(QWidget* widget) {
    return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
}

void saveSnapshot(QWidget& window, const QString& name) {
    const QString snapshots = qEnvironmentVariable("SOLVARA_GUI_SNAPSHOT_DIR");
    if (snapshots.isEmpty()) return;
    ASSERT_TRUE(QDir().mkpath(snapshots));
    window.adjustSize();
    EXPECT_TRUE(window.grab().save(snapshots + QLatin1Char('/') + name));
}

struct Typing {
    PasswordDialog::Field field;
    const char* keys;
    bool okAfter;
};

struct PasswordCase {
    PasswordDialogMode mode;
    std::array<bool, 3> enabled;
    bool okAtStart;
    std::vector<Typing> typing;
    const char* resultPassword;
};

TEST(DatabasePasswordDialog, OkFollowsEveryKeystrokeAndGivesTheDigest) {
    const std::vector<PasswordCase> cases = {
        {PasswordDialogMode::enter,
         {true, false, false},
         true,
         {{PasswordDialog::current, "pw", true}},
         "pw"},
        {PasswordDialogMode::set,
         {false, true, true},
         true,
         {{PasswordDialog::newPassword, "ab", false},
          {PasswordDialog::repeated, "a", false},
          {PasswordDialog::repeated, "b", true}},
         "ab"},
        // The current password must be the one the digest was made of.
        {PasswordDialogMode::change,
         {true, true, true},
         false,
         {{PasswordDialog::current, "ol", false},
          {PasswordDialog::current, "d", true},
          {PasswordDialog::newPassword, "n", false},
          {PasswordDialog::repeated, "n", true}},
         "n"},
    };
    for (const PasswordCase& test : cases) {
        SCOPED_TRACE(static_cast<int>(test.mode));
        DatabasePasswordDialog dialog(test.mode, passwordDigest("old"));
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Database password"));
        for (std::size_t index = 0; index < kFieldLabels.size(); ++index) {
            QLineEdit* field = fieldUnder(dialog, kFieldLabels[index]);
            ASSERT_NE(field, nullptr) << kFieldLabels[index];
            EXPECT_EQ(field->echoMode(), QLineEdit::Password);
            EXPECT_EQ(field->isEnabled(), test.enabled[index]) << kFieldLabels[index];
            EXPECT_EQ(accessibleName(field), QString::fromLatin1(kFieldLabels[index]));
        }
        EXPECT_EQ(okButton(dialog)->isEnabled(), test.okAtStart);
        for (const Typing& typing : test.typing) {
            QTest::keyClicks(fieldUnder(dialog, kFieldLabels[typing.field]),
                             QString::fromLatin1(typing.keys));
            EXPECT_EQ(okButton(dialog)->isEnabled(), typing.okAfter) << typing.keys;
        }
        EXPECT_EQ(dialog.digest(), passwordDigest(test.resultPassword));
        if (test.mode == PasswordDialogMode::change) saveSnapshot(dialog, "password-change.png");
    }
}

TEST(DatabasePasswordDialog, ACharacterTheCodePageLacksCannotBeTyped) {
    DatabasePasswordDialog dialog(PasswordDialogMode::enter, {});
    QLineEdit* field = fieldUnder(dialog, PasswordDialog::kCurrentLabel);
    QTest::sendKeyEvent(QTest::Click, field, Qt::Key_Eacute, QStringLiteral(u"\u00e9"), {});
    QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QStringLiteral(u"\u4e2d"), {});
    EXPECT_EQ(field->text(), QStringLiteral(u"\u00e9"));
    EXPECT_EQ(dialog.digest(), passwordDigest("\xe9"));
}

TEST(DatabasePasswordDialog, AskingGivesTheDigestOnOkAndNothingOnCancel) {
    ModalAnswers answers;
    answers.then([](QWidget& dialog) {
        QTest::keyClicks(fieldUnder(dialog, PasswordDialog::kNewLabel), QStringLiteral("x"));
        QTest::keyClicks(fieldUnder(dialog, PasswordDialog::kRepeatedLabel), QStringLiteral("x"));
        okButton(dialog)->click();
    });
    answers.then([](QWidget& dialog) {
        dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Cancel)->click();
    });
    EXPECT_EQ(askDatabasePassword(nullptr, PasswordDialogMode::set, {}), passwordDigest("x"));
    EXPECT_EQ(askDatabasePassword(nullptr, PasswordDialogMode::set, {}), std::nullopt);
}

TEST(MessageBoxQuestions, AsksWithTheButtonsAndIconOfEachQuestion) {
    MessageBoxQuestions questions(nullptr);
    ModalAnswers answers;
    answers.pressInMessageBox(QMessageBox::No);
    answers.pressInMessageBox(QMessageBox::No);
    answers.pressInMessageBox(QMessageBox::Cancel);
    answers.pressInMessageBox(QMessageBox::Ok);

    EXPECT_FALSE(questions.askYesNo(messages::kPasswordChangeSaves, MessageIcon::none));
    EXPECT_EQ(questions.askYesNoCancel(messages::kOverwriteExisting, MessageIcon::stop),
              Answer::no);
    EXPECT_EQ(questions.askYesNoCancel(messages::kProtect, MessageIcon::exclamation),
              Answer::cancel);
    questions.showMessage("Temperature 25\xb0");

    using Box = QMessageBox;
    ASSERT_EQ(answers.boxes.size(), 4u);
    for (const ModalAnswers::Shown& shown : answers.boxes) EXPECT_EQ(shown.title, "Solvara");
    EXPECT_EQ(answers.boxes[0].text,
              QStringLiteral("After changing password changes you did to the database will be "
                             "saved.\nIs that what you want?"));
    EXPECT_EQ(answers.boxes[0].buttons, Box::Yes | Box::No);
    EXPECT_EQ(answers.boxes[1].text, QString::fromLatin1(messages::kOverwriteExisting));
    EXPECT_EQ(answers.boxes[1].buttons, Box::Yes | Box::No | Box::Cancel);
    EXPECT_EQ(answers.boxes[1].icon, Box::Critical);
    EXPECT_EQ(answers.boxes[2].icon, Box::Warning);
    EXPECT_EQ(answers.boxes[3].text, QStringLiteral(u"Temperature 25\u00b0"));
    EXPECT_EQ(answers.boxes[3].buttons, Box::Ok);
}

class DatabasePathWindowTest : public ::testing::Test {
  protected:
    void replaceText(const QString& text) {
        QLineEdit* field = fieldUnder(window, DatabasePathDialog::kPrompt);
        field->selectAll();
        QTest::keyClicks(field, text);
    }

    testing::TemporaryFolder folder;
    const std::filesystem::path current = folder.path() / "current.dat";
    const std::filesystem::path standard =
        folder.path() / "Orvane" / "Solvara" / "Solvaradatabase.dat";
    MessageBoxQuestions questions{nullptr};
    ProgramDatabase database{questions};
    DatabasePathWindow window{database, current, standard};
};

TEST_F(DatabasePathWindowTest, OkIsEnabledExactlyWhenThePathDiffers) {
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Database path"));
    QLineEdit* field = fieldUnder(window, DatabasePathDialog::kPrompt);
    ASSERT_NE(field, nullptr);
    EXPECT_EQ(accessibleName(field), QString::fromLatin1(DatabasePathDialog::kPrompt));
    EXPECT_EQ(field->text(), fromPath(current));
    EXPECT_FALSE(okButton(window)->isEnabled());
    saveSnapshot(window, "database-path.png");

    QTest::keyClick(field, Qt::Key_X);
    EXPECT_TRUE(okButton(window)->isEnabled());
    QTest::keyClick(field, Qt::Key_Backspace);
    EXPECT_FALSE(okButton(window)->isEnabled());

    buttonNamed(window, QStringLiteral("Default"))->click();
    EXPECT_EQ(field->text(), fromPath(standard));
    EXPECT_TRUE(okButton(window)->isEnabled());
}

TEST_F(DatabasePathWindowTest, BrowseOffersTheDatabaseNameInTheCurrentFolder) {
    const std::filesystem::path chosen = folder.path() / "chosen.dat";
    ModalAnswers answers;
    answers.then([&](QWidget& modal) {
        auto* chooser = qobject_cast<QFileDialog*>(&modal);
        ASSERT_NE(chooser, nullptr);
        EXPECT_EQ(chooser->selectedFiles(),
                  QStringList{fromPath(folder.path() / "Solvaradatabase.dat")});
        EXPECT_EQ(chooser->selectedNameFilter(), QStringLiteral("*.dat"));
        // A file that does not exist yet may be named.
        chooser->selectFile(fromPath(chosen));
        static_cast<QDialog*>(chooser)->accept();
    });
    answers.then([](QWidget& modal) { qobject_cast<QDialog*>(&modal)->reject(); });
    QPushButton* browse = buttonNamed(window, QStringLiteral("Browse..."));
    ASSERT_NE(browse, nullptr);

    browse->click();
    QLineEdit* field = fieldUnder(window, DatabasePathDialog::kPrompt);
    EXPECT_EQ(field->text(), fromPath(chosen));
    EXPECT_TRUE(okButton(window)->isEnabled());
    browse->click();
    EXPECT_EQ(field->text(), fromPath(chosen));
}

TEST_F(DatabasePathWindowTest, OkOnANewPathWritesTheDatabaseThereAndReportsThePath) {
    const std::filesystem::path moved = folder.path() / "new folder" / "moved.dat";
    window.show();
    replaceText(fromPath(moved));
    ModalAnswers answers;
    answers.pressInMessageBox(QMessageBox::No);
    QTest::mouseClick(okButton(window), Qt::LeftButton);

    ASSERT_EQ(answers.boxes.size(), 1u);
    EXPECT_EQ(answers.boxes[0].text, QString::fromLatin1(messages::kProtect));
    EXPECT_EQ(ReadStoredDigest(moved), "");
    EXPECT_EQ(window.pathToStore(), moved);
    EXPECT_EQ(window.result(), QDialog::Accepted);
    EXPECT_FALSE(window.isVisible());
}

TEST_F(DatabasePathWindowTest, AFailedSaveSaysWhyAndStays) {
    const std::filesystem::path taken = folder.path() / "taken";
    std::filesystem::create_directories(taken);
    testing::writeFile(taken / "keep.txt", "kept");
    window.show();
    replaceText(fromPath(taken));
    ModalAnswers answers;
    answers.pressInMessageBox(QMessageBox::No);
    answers.pressInMessageBox(QMessageBox::Ok);
    answers.pressInMessageBox(QMessageBox::Ok);
    QTest::mouseClick(okButton(window), Qt::LeftButton);

    ASSERT_EQ(answers.boxes.size(), 3u);
    EXPECT_TRUE(answers.boxes[1].text.contains(fromPath(taken)))
        << answers.boxes[1].text.toStdString();
    EXPECT_EQ(answers.boxes[2].text, QString::fromLatin1(messages::kCannotSaveAtPath));
    EXPECT_EQ(testing::readFile(taken / "keep.txt"), "kept");
    EXPECT_EQ(window.pathToStore(), std::nullopt);
    EXPECT_TRUE(window.isVisible());
}

}  // namespace
}  // namespace solvara
