#include "gui/dialogs/reagent_database_dialog.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "core/program/integrity_rules.h"
#include "dialog_lookup.h"
#include "editor_fixture.h"
#include "modal_answers.h"

namespace solvara {
namespace {

using testing::buttonNamed;
using testing::fieldLabelled;
using testing::ModalAnswers;

class ReagentDatabaseDialogTest : public testing::EditorTest {
  protected:
    CReagentDatabaseDlg& open(CReagentDatabaseDlg::Mode mode = CReagentDatabaseDlg::Mode::database,
                              const Reagent* preloaded = nullptr) {
        dialog = std::make_unique<CReagentDatabaseDlg>(session, chooser, mode, preloaded);
        dialog->show();
        return *dialog;
    }
    QLineEdit& field(const char* label) {
        QLineEdit* found = fieldLabelled(*dialog, QString::fromLatin1(label));
        EXPECT_NE(found, nullptr) << label;
        return *found;
    }
    QPushButton& button(const char* text) {
        return *buttonNamed<QPushButton>(*dialog, QString::fromLatin1(text));
    }
    QString log() { return fieldLabelled<QPlainTextEdit>(*dialog, "analysis log")->toPlainText(); }
    void retype(const char* label, const QString& text) {
        QLineEdit& edit = field(label);
        edit.selectAll();
        QTest::keyClick(&edit, Qt::Key_Delete);
        QTest::keyClicks(&edit, text);
    }

    std::unique_ptr<CReagentDatabaseDlg> dialog;
};

TEST_F(ReagentDatabaseDialogTest, ANewReagentIsAnalysedKeyByKeyAndAdded) {
    open();
    const int count = program().reagents.Count();
    EXPECT_EQ(dialog->windowTitle(),
              QStringLiteral("Reagent database (%1 items/%1 listed)").arg(count));
    QTest::keyClicks(&field("reagent name"), QStringLiteral("my phosphate"));
    QLineEdit& formula = field("reagent formula");
    formula.setFocus();
    const QString typed = QStringLiteral("2Na^+,HPO_4^{2-}");
    for (qsizetype length = 1; length <= typed.size(); ++length) {
        QTest::keyClicks(&formula, typed.mid(length - 1, 1));
        ASSERT_EQ(formula.cursorPosition(), length);
        // "2Na" alone is a fine formula; one stopped in the middle of a mark is not.
        if (QStringLiteral("{,").contains(typed[length - 1])) {
            EXPECT_FALSE(button("Add").isEnabled()) << typed.left(length).toStdString();
        }
    }
    EXPECT_TRUE(button("Add").isEnabled());
    EXPECT_TRUE(log().contains(QStringLiteral("NaOH, C = ")));
    EXPECT_TRUE(log().contains(QStringLiteral("pH = ")));
    testing::saveSnapshot(*dialog, QStringLiteral("reagent-editor.png"));

    button("Add").click();
    const Reagent* added = program().reagents.FindByName("my phosphate");
    ASSERT_NE(added, nullptr);
    EXPECT_EQ(added->formula, "2Na^+,HPO_4^{2-}");
    EXPECT_TRUE(program().reagents.isModified());
    EXPECT_EQ(dialog->windowTitle(),
              QStringLiteral("Reagent database (%1 items/%1 listed)").arg(count + 1));
    // Selected again, so the next press would be a duplicate.
    EXPECT_TRUE(button("Delete").isEnabled());
    EXPECT_FALSE(button("Add").isEnabled());
}

TEST_F(ReagentDatabaseDialogTest, ADuplicateNameOrABadFormulaIsNotOffered) {
    open();
    retype("reagent formula", QStringLiteral("HCl"));
    retype("reagent name", QStringLiteral("hydrochloric acid"));
    EXPECT_FALSE(button("Add").isEnabled());
    retype("reagent name", QStringLiteral("hydrochloric acid, 2"));
    EXPECT_TRUE(button("Add").isEnabled());
    retype("reagent formula", QStringLiteral("Na^+"));
    EXPECT_FALSE(button("Add").isEnabled());
    EXPECT_TRUE(log().contains(QStringLiteral("not electrically neutral (1)")));

    // A reagent renamed to another's name is not stored either.
    ASSERT_TRUE(selectRow(*dialog, QStringLiteral("ammonia")));
    retype("reagent name", QStringLiteral("hydrochloric acid"));
    EXPECT_FALSE(button("Modify").isEnabled());
}

TEST_F(ReagentDatabaseDialogTest, AReagentUsedByBuffersIsKept) {
    open();
    ASSERT_TRUE(selectRow(*dialog, QStringLiteral("sodium hydroxide")));
    EXPECT_EQ(field("reagent formula").text(), QStringLiteral("NaOH"));
    EXPECT_TRUE(log().startsWith(QStringLiteral("NaOH, C = 1.0000")));
    const int count = program().reagents.Count();
    {
        ModalAnswers answers;
        answers.pressInMessageBox(QMessageBox::Ok);
        QTest::keyClick(&dialog->findChild<FilteredSubstanceList*>()->view(), Qt::Key_Delete);
        ASSERT_EQ(answers.boxes.size(), 1u);
        EXPECT_EQ(answers.boxes[0].text.toStdString(), integrity_messages::kReagentUsedInBuffers);
    }
    EXPECT_EQ(program().reagents.Count(), count);

    // Changing it asks first; Cancel keeps the stored reagent.
    retype("reagent formula", QStringLiteral("KOH"));
    {
        ModalAnswers answers;
        answers.pressInMessageBox(QMessageBox::Cancel);
        button("Modify").click();
    }
    EXPECT_EQ(program().reagents.FindByName("sodium hydroxide")->formula, "NaOH");
    EXPECT_FALSE(program().reagents.isModified());

    // A free reagent goes at once.
    ASSERT_TRUE(selectRow(*dialog, QStringLiteral("sodium acetate, solid")));
    button("Delete").click();
    EXPECT_EQ(program().reagents.FindByName("sodium acetate, solid"), nullptr);
    EXPECT_TRUE(field("reagent name").text().isEmpty());
}

TEST_F(ReagentDatabaseDialogTest, TheFieldsChangeNothingUntilAddOrModify) {
    QSignalSpy edited(&session, &ProgramSession::databaseEdited);
    open();
    ASSERT_TRUE(selectRow(*dialog, QStringLiteral("ammonia")));
    retype("reagent name", QStringLiteral("ammonia, strong"));
    retype("concentration", QStringLiteral("13"));
    dialog->findChild<QCheckBox*>()->click();
    dialog->reject();
    const Reagent* ammonia = program().reagents.FindByName("ammonia");
    ASSERT_NE(ammonia, nullptr);
    EXPECT_EQ(ammonia->concentration, 1.0);
    EXPECT_FALSE(ammonia->isSolid);
    EXPECT_FALSE(program().reagents.isModified());
    EXPECT_EQ(edited.count(), 0);
}

TEST_F(ReagentDatabaseDialogTest, SolidAndSectionsFollowTheFormula) {
    open();
    retype("reagent formula", QStringLiteral("HAcetate"));
    retype("concentration", QStringLiteral("0.1"));
    auto* solid = dialog->findChild<QCheckBox*>();
    solid->click();
    EXPECT_FALSE(field("concentration").isEnabled());
    EXPECT_TRUE(log().startsWith(QStringLiteral("HAcetate\n")));
    solid->click();
    EXPECT_EQ(field("concentration").text(), QStringLiteral("1"));
    EXPECT_EQ(dialog->workingReagent().concentration, 1.0);

    retype("reagent formula", QStringLiteral("HAcetate/NaOH; pH=4.5"));
    EXPECT_FALSE(solid->isEnabled());
    EXPECT_TRUE(log().startsWith(QStringLiteral("forced pH = 4.50")));
}

TEST_F(ReagentDatabaseDialogTest, TheFilterListsMatchingNamesOrFormulas) {
    open();
    auto* list = dialog->findChild<FilteredSubstanceList*>();
    retype("filter", QStringLiteral("[Ss]odium"));
    EXPECT_EQ(list->listedCount(), 7);
    list->shownChoice().setCurrentIndex(1);
    EXPECT_EQ(field("filter").text(), QStringLiteral("."));
    retype("filter", QStringLiteral("PO_4"));
    EXPECT_EQ(list->listedCount(), 4);
    EXPECT_EQ(
        dialog->windowTitle(),
        QStringLiteral("Reagent database (%1 items/4 listed)").arg(program().reagents.Count()));
    retype("filter", QStringLiteral("[abc"));
    EXPECT_EQ(list->listedCount(), 0);
}

TEST_F(ReagentDatabaseDialogTest, ThePickerGivesTheEditedReagentOnUseOnly) {
    const Reagent current = *program().reagents.FindByName("sodium hydroxide");
    open(CReagentDatabaseDlg::Mode::selection, &current);
    EXPECT_EQ(field("reagent name").text(), QStringLiteral("sodium hydroxide"));
    EXPECT_FALSE(button("Delete").isEnabled());
    EXPECT_FALSE(button("Modify").isEnabled());
    EXPECT_TRUE(button("Use").isEnabled());
    ASSERT_TRUE(selectRow(*dialog, QStringLiteral("ammonia")));
    EXPECT_FALSE(button("Delete").isEnabled());
    retype("reagent name", QStringLiteral("ammonia, new"));
    EXPECT_TRUE(button("Add").isEnabled());

    ModalAnswers answers;
    answers.then([](QWidget& picker) {
        QTest::keyClicks(fieldLabelled(picker, QStringLiteral("concentration")),
                         QStringLiteral("5"));
        buttonNamed(picker, QStringLiteral("Use"))->click();
    });
    answers.then([](QWidget& picker) { qobject_cast<QDialog*>(&picker)->reject(); });
    const std::optional<Reagent> picked = pickReagent(session, chooser, current, nullptr);
    ASSERT_TRUE(picked.has_value());
    EXPECT_EQ(picked->name, "sodium hydroxide");
    EXPECT_EQ(picked->concentration, 15.0);
    EXPECT_EQ(pickReagent(session, chooser, current, nullptr), std::nullopt);
}

// A form two acids share is asked about once while the formula is typed on.
TEST_F(ReagentDatabaseDialogTest, TheAcidChoiceIsAskedOncePerEditor) {
    BLAcid twin = *program().acids.FindByName("hydrochloric acid");
    twin.name = "hydrochloric acid, twin";
    program().acids.Add(twin, true);
    open();
    QTest::keyClicks(&field("reagent formula"), QStringLiteral("K^+,Cl^-,"));
    QTest::keyClicks(&field("reagent formula"), QStringLiteral("Na^+,Cl^-"));
    EXPECT_EQ(chooser.asked, 1);
    dialog.reset();
    EXPECT_EQ(program().acidChooser, nullptr);
}

}  // namespace
}  // namespace solvara
