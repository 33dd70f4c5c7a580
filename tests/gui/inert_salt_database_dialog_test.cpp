#include "gui/dialogs/inert_salt_database_dialog.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "core/program/inert_salt_rules.h"
#include "dialog_lookup.h"
#include "editor_fixture.h"
#include "modal_answers.h"

namespace solvara {
namespace {

using namespace inert_salt_messages;
using testing::buttonNamed;
using testing::fieldLabelled;
using testing::ModalAnswers;

class InertSaltDatabaseDialogTest : public testing::EditorTest {
  protected:
    void open(CInertSaltDatabaseDlg::Mode mode = CInertSaltDatabaseDlg::Mode::database,
              const InertSalt* preloaded = nullptr) {
        dialog = std::make_unique<CInertSaltDatabaseDlg>(session, mode, preloaded);
        dialog->show();
    }
    QPushButton& button(const char* text) {
        return *buttonNamed<QPushButton>(*dialog, QString::fromLatin1(text));
    }
    QCheckBox& box(const char* text) {
        return *buttonNamed<QCheckBox>(*dialog, QString::fromLatin1(text));
    }
    void retype(const char* label, const QString& text) {
        QLineEdit* edit = fieldLabelled(*dialog, QString::fromLatin1(label));
        ASSERT_NE(edit, nullptr) << label;
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        QTest::keyClicks(edit, text);
    }
    bool shows(const QString& text) {
        for (const QLabel* label : dialog->findChildren<QLabel*>()) {
            if (label->text() == text) return true;
        }
        return false;
    }
    // Presses the button and answers the one message box it opens; the box's text.
    std::string pressAnswering(const char* text, QMessageBox::StandardButton answer) {
        ModalAnswers answers;
        answers.pressInMessageBox(answer);
        button(text).click();
        return answers.boxes.empty() ? std::string() : answers.boxes[0].text.toStdString();
    }

    std::unique_ptr<CInertSaltDatabaseDlg> dialog;
};

TEST_F(InertSaltDatabaseDialogTest, ANewSaltShowsItsIonicStrengthAndIsAdded) {
    open();
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Inert salt database (8 items/8 listed)"));
    EXPECT_TRUE(shows(QStringLiteral("Default salt: sodium chloride, 1M")));
    retype("salt name", QStringLiteral("sodium sulfate, 1M"));
    retype("salt formula", QStringLiteral("Na^+,2Cl^-"));
    EXPECT_TRUE(shows(QStringLiteral("Substance is not electrically neutral (-1)")));
    EXPECT_FALSE(button("Add").isEnabled());
    retype("salt formula", QStringLiteral("2Na^+,SO_4^{2-}"));
    EXPECT_TRUE(shows(QStringLiteral("Ionic strength of 1M solution: 3.0")));
    testing::saveSnapshot(*dialog, QStringLiteral("salt-editor.png"));
    retype("concentration", QStringLiteral("0.5"));
    button("Add").click();
    const InertSalt* added = program().salts.FindByName("sodium sulfate, 1M");
    ASSERT_NE(added, nullptr);
    EXPECT_EQ(added->ionicStrengthFactor, 6);
    EXPECT_EQ(added->concentration, 0.5);
    EXPECT_EQ(added->concentrationData.concentrationMolar, 0.5);
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Inert salt database (9 items/9 listed)"));

    retype("salt name", QStringLiteral("potassium chloride, 1M"));
    EXPECT_FALSE(button("Add").isEnabled());
}

TEST_F(InertSaltDatabaseDialogTest, TheDatabaseKeepsOneDefaultSalt) {
    open();
    ASSERT_TRUE(selectRow(*dialog, QStringLiteral("potassium chloride, 1M")));
    box("default").click();
    EXPECT_EQ(pressAnswering("Modify", QMessageBox::Ok), kTwoDefaults);
    retype("salt name", QStringLiteral("potassium chloride, 2M"));
    EXPECT_EQ(pressAnswering("Add", QMessageBox::Ok), kDefaultExists);
    EXPECT_EQ(program().salts.Count(), 8);
    EXPECT_FALSE(program().salts.FindByName("potassium chloride, 1M")->isDefault);

    ASSERT_TRUE(selectRow(*dialog, QStringLiteral("sodium chloride, 1M")));
    box("default").click();
    EXPECT_EQ(pressAnswering("Modify", QMessageBox::No), kNoDefaultAfterChange);
    EXPECT_TRUE(program().salts.FindByName("sodium chloride, 1M")->isDefault);
    EXPECT_FALSE(program().salts.isModified());

    EXPECT_EQ(pressAnswering("Delete", QMessageBox::No), kDeleteDefault);
    EXPECT_EQ(program().salts.Count(), 8);
    EXPECT_EQ(pressAnswering("Delete", QMessageBox::Yes), kDeleteDefault);
    EXPECT_EQ(program().salts.Count(), 7);
    EXPECT_TRUE(shows(QStringLiteral("No default inert salt.")));
    EXPECT_FALSE(button("Delete").isEnabled());
}

TEST_F(InertSaltDatabaseDialogTest, ThePickerGivesTheSaltOnUseAndChangesNothingElse) {
    QSignalSpy edited(&session, &ProgramSession::databaseEdited);
    const InertSalt current = *program().salts.FindByName("sodium chloride, 1M");
    open(CInertSaltDatabaseDlg::Mode::choosing, &current);
    // The caller's salt is found in the list by its name.
    EXPECT_EQ(dialog->findChild<FilteredSubstanceList*>()->selectedId(), current.id);
    EXPECT_TRUE(button("Use").isEnabled());
    ASSERT_TRUE(selectRow(*dialog, QStringLiteral("magnesium chloride, solid")));
    EXPECT_TRUE(button("Use").isEnabled());
    EXPECT_FALSE(button("Delete").isEnabled());
    EXPECT_FALSE(button("Modify").isEnabled());
    EXPECT_FALSE(fieldLabelled(*dialog, QStringLiteral("concentration"))->isEnabled());
    dialog.reset();

    ModalAnswers answers;
    answers.then([this](QWidget& picker) {
        ASSERT_TRUE(selectRow(picker, QStringLiteral("potassium chloride, 1M")));
        QLineEdit* name = fieldLabelled(picker, QStringLiteral("salt name"));
        QTest::keyClicks(name, QStringLiteral(" (lab 2)"));
        buttonNamed(picker, QStringLiteral("Use"))->click();
    });
    answers.then([](QWidget& picker) { qobject_cast<QDialog*>(&picker)->reject(); });
    const std::optional<InertSalt> picked = pickInertSalt(session, current, nullptr);
    ASSERT_TRUE(picked.has_value());
    EXPECT_EQ(picked->name, "potassium chloride, 1M (lab 2)");
    EXPECT_EQ(picked->ionicStrengthFactor, 2);
    EXPECT_EQ(pickInertSalt(session, current, nullptr), std::nullopt);
    EXPECT_NE(program().salts.FindByName("potassium chloride, 1M"), nullptr);
    EXPECT_FALSE(program().salts.isModified());
    EXPECT_EQ(edited.count(), 0);
}

}  // namespace
}  // namespace solvara
