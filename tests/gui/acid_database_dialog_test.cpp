#include "gui/dialogs/acid_database_dialog.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalSpy>
#include <QTest>
#include <memory>
#include <optional>

#include "core/chemistry/acid_edit_check.h"
#include "core/program/integrity_rules.h"
#include "editor_test_support.h"
#include "gui/dialogs/acid_constants_dialog.h"
#include "gui/dialogs/acid_editors.h"
#include "gui/widgets/f_edit.h"
#include "gui/widgets/qt_text.h"
#include "modal_answers.h"

namespace solvara {
namespace {

using testing::buttonNamed;
using testing::controlNamed;
using testing::ModalAnswers;

class AcidDatabaseDialogTest : public ::testing::Test {
  protected:
    QLineEdit* field(const QWidget& dialog, const char* name) {
        return controlNamed<QLineEdit>(dialog, QString::fromLatin1(name));
    }
    QListWidget* list(const QWidget& dialog) { return dialog.findChild<QListWidget*>(); }

    void select(const QWidget& dialog, const char* name) {
        const QList<QListWidgetItem*> found =
            list(dialog)->findItems(QString::fromLatin1(name), Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << name;
        list(dialog)->setCurrentItem(found.front());
    }

    void retype(QWidget& dialog, const char* name, const char* text) {
        QLineEdit* edit = field(dialog, name);
        edit->selectAll();
        if (*text == '\0') {
            QTest::keyClick(edit, Qt::Key_Delete);
        } else {
            QTest::keyClicks(edit, QString::fromLatin1(text));
        }
    }

    bool enabled(const QWidget& dialog, const char* button) {
        return buttonNamed(dialog, QString::fromLatin1(button))->isEnabled();
    }

    // A new acid on the left, typed as a user would after selecting nothing.
    void typeFormicAcid(QWidget& dialog) {
        retype(dialog, "name", "formic acid");
        retype(dialog, "form 0", "HCOOH");
        retype(dialog, "form 1", "HCOO^-");
        retype(dialog, "pKa1", "3.75");
    }

    testing::StarterSession starter;
};

TEST_F(AcidDatabaseDialogTest, AnAddedAcidReachesTheProgramOnlyWhenTheEditorCloses) {
    const int before = starter.program().acids.Count();
    AcidDatabaseDialog dialog(starter.session);
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(),
              QStringLiteral("Acid database (%1 items/%1 listed)").arg(before));
    for (const char* button : {"Add", "Delete", "Modify"}) EXPECT_FALSE(enabled(dialog, button));
    EXPECT_FALSE(buttonNamed(dialog, QStringLiteral("Use"))->isVisible());

    // Every failing check is named; the first one wins.
    retype(dialog, "form 0", "HCOOH");
    EXPECT_EQ(dialog.statusText(), fromWindows1252(acid_edit_messages::kNameNotDefined));
    retype(dialog, "name", "formic acid");
    retype(dialog, "form 1", "HCOOH");
    EXPECT_EQ(dialog.statusText(), fromWindows1252(acid_edit_messages::kFormsNotUnique));
    retype(dialog, "form 1", "HCOONa");
    EXPECT_EQ(dialog.statusText(), fromWindows1252(acid_edit_messages::kChargesNotConsecutive));
    EXPECT_FALSE(enabled(dialog, "Add"));
    typeFormicAcid(dialog);
    EXPECT_EQ(dialog.statusText(), QStringLiteral("For Help, press F1"));
    ASSERT_TRUE(enabled(dialog, "Add"));

    ModalAnswers answers;
    answers.pressInMessageBox(QMessageBox::Ok);
    QTest::mouseClick(buttonNamed(dialog, QStringLiteral("Add")), Qt::LeftButton);
    ASSERT_EQ(answers.boxes.size(), 1u);
    EXPECT_EQ(answers.boxes[0].text, fromWindows1252(integrity_messages::kAddReagentsForNewAcids));
    EXPECT_EQ(list(dialog)->currentItem()->text(), QStringLiteral("formic acid"));
    EXPECT_EQ(dialog.statusText(), fromWindows1252(acid_edit_messages::kNameInUse));
    EXPECT_EQ(starter.program().acids.FindByName("formic acid"), nullptr);
    EXPECT_FALSE(starter.program().IsModified());

    QSignalSpy edited(&starter.session, &ProgramSession::databaseEdited);
    QTest::mouseClick(buttonNamed(dialog, QStringLiteral("Exit")), Qt::LeftButton);
    const BLAcid* formic = starter.program().acids.FindByName("formic acid");
    ASSERT_NE(formic, nullptr);
    EXPECT_EQ(formic->forms[1], "HCOO^-");
    EXPECT_DOUBLE_EQ(formic->pKa[0], 3.75);
    EXPECT_TRUE(starter.program().IsModified());
    EXPECT_EQ(edited.count(), 1);
}

TEST_F(AcidDatabaseDialogTest, AnAcidUsedByReagentsIsKeptAndItsChangeNeedsConsent) {
    starter.session.notes().bufferDocumentOpened();
    AcidDatabaseDialog dialog(starter.session);
    dialog.show();
    ModalAnswers answers;

    select(dialog, "acetic acid");
    ASSERT_TRUE(enabled(dialog, "Delete"));
    answers.pressInMessageBox(QMessageBox::Ok);
    QTest::keyClick(list(dialog), Qt::Key_Delete);
    ASSERT_EQ(answers.boxes.size(), 1u);
    EXPECT_EQ(answers.boxes[0].text, fromWindows1252(integrity_messages::kAcidUsedInReagents));

    // The note on open documents comes once, the question every time; Cancel changes nothing.
    retype(dialog, "pKa1", "4.8");
    answers.pressInMessageBox(QMessageBox::Ok);
    answers.pressInMessageBox(QMessageBox::Cancel);
    QTest::mouseClick(buttonNamed(dialog, QStringLiteral("Modify")), Qt::LeftButton);
    ASSERT_EQ(answers.boxes.size(), 3u);
    EXPECT_EQ(answers.boxes[1].text,
              fromWindows1252(integrity_messages::kChangesApplyToFutureDocuments));
    EXPECT_EQ(answers.boxes[2].text, fromWindows1252(integrity_messages::kReferredObjectChange));
    EXPECT_EQ(answers.boxes[2].buttons, QMessageBox::Ok | QMessageBox::Cancel);
    QTest::mouseClick(buttonNamed(dialog, QStringLiteral("Exit")), Qt::LeftButton);
    EXPECT_DOUBLE_EQ(starter.program().acids.FindByName("acetic acid")->pKa[0], 4.757);
    EXPECT_FALSE(starter.program().IsModified());

    AcidDatabaseDialog again(starter.session);
    again.show();
    select(again, "acetic acid");
    retype(again, "pKa1", "4.8");
    answers.pressInMessageBox(QMessageBox::Ok);
    QTest::mouseClick(buttonNamed(again, QStringLiteral("Modify")), Qt::LeftButton);
    ASSERT_EQ(answers.boxes.size(), 4u);
    // An acid no reagent uses goes at once, by the Delete key as by the button.
    select(again, "aniline");
    QTest::keyClick(list(again), Qt::Key_Delete);
    QTest::mouseClick(buttonNamed(again, QStringLiteral("Exit")), Qt::LeftButton);
    EXPECT_DOUBLE_EQ(starter.program().acids.FindByName("acetic acid")->pKa[0], 4.8);
    EXPECT_EQ(starter.program().acids.FindByName("aniline"), nullptr);
}

TEST_F(AcidDatabaseDialogTest, UntickingAStepDropsItAndTheStepsAboveIt) {
    AcidDatabaseDialog dialog(starter.session);
    dialog.show();
    select(dialog, "EDTA");
    EXPECT_EQ(field(dialog, "form 4")->text(), QStringLiteral("C_{10}H_{12}N_2O_8^{4-}"));
    testing::saveEditorSnapshot(dialog, QStringLiteral("acid-database.png"));
    QTest::mouseClick(controlNamed<QCheckBox>(dialog, QStringLiteral("pKa3")), Qt::LeftButton);
    for (const char* name : {"form 3", "form 4", "pKa3", "pKa4"}) {
        EXPECT_TRUE(field(dialog, name)->text().isEmpty()) << name;
        EXPECT_FALSE(field(dialog, name)->isEnabled()) << name;
    }
    EXPECT_FALSE(controlNamed<QCheckBox>(dialog, QStringLiteral("pKa4"))->isChecked());
    EXPECT_TRUE(controlNamed<QCheckBox>(dialog, QStringLiteral("pKa2"))->isChecked());
    EXPECT_TRUE(field(dialog, "form 2")->isEnabled());
    EXPECT_TRUE(enabled(dialog, "Modify"));  // three forms of falling charge are a valid acid
}

TEST_F(AcidDatabaseDialogTest, TheListIsFilteredByNameOrByFormula) {
    AcidDatabaseDialog dialog(starter.session);
    dialog.show();
    retype(dialog, "filter", "acid");
    EXPECT_FALSE(list(dialog)->findItems(QStringLiteral("citric acid"), Qt::MatchExactly).empty());
    EXPECT_TRUE(list(dialog)->findItems(QStringLiteral("EDTA"), Qt::MatchExactly).empty());
    EXPECT_TRUE(
        dialog.windowTitle().endsWith(QStringLiteral("/%1 listed)").arg(list(dialog)->count())));

    controlNamed<QComboBox>(dialog, QStringLiteral("filter type"))->setCurrentIndex(1);
    EXPECT_EQ(field(dialog, "filter")->text(), QStringLiteral("."));
    retype(dialog, "filter", "PO_4");
    ASSERT_EQ(list(dialog)->count(), 1);
    EXPECT_EQ(list(dialog)->item(0)->text(), QStringLiteral("H_3PO_4"));
    retype(dialog, "filter", "[abc");  // a pattern with an error lists nothing
    EXPECT_EQ(list(dialog)->count(), 0);
}

TEST_F(AcidDatabaseDialogTest, ADocumentsAcidsCanOnlyBeModifiedAndOnlyTheDocumentChanges) {
    const BLAcidDatabase& program = starter.program().acids;
    BLAcidDatabase documentAcids(starter.program().elements);
    documentAcids.CopyFrom(program);
    std::optional<double> appliedPKa;
    auto apply = [&appliedPKa](const BLAcidDatabase& edited) {
        appliedPKa = edited.FindByName("acetic acid")->pKa[0];
    };
    {
        AcidDatabaseDialog untouched(starter.session, documentAcids, apply);
        untouched.show();
        QTest::mouseClick(buttonNamed(untouched, QStringLiteral("Exit")), Qt::LeftButton);
        EXPECT_FALSE(appliedPKa.has_value());
    }
    AcidDatabaseDialog dialog(starter.session, documentAcids, apply);
    dialog.show();
    select(dialog, "acetic acid");
    EXPECT_FALSE(enabled(dialog, "Delete"));
    retype(dialog, "name", "vinegar");  // a name no acid has: still never added
    EXPECT_FALSE(enabled(dialog, "Add"));
    retype(dialog, "name", "acetic acid");
    retype(dialog, "pKa1", "4.9");
    // Neither note nor question: the program's reagents do not use the document's copies.
    QTest::mouseClick(buttonNamed(dialog, QStringLiteral("Modify")), Qt::LeftButton);
    QTest::mouseClick(buttonNamed(dialog, QStringLiteral("Exit")), Qt::LeftButton);
    ASSERT_TRUE(appliedPKa.has_value());
    EXPECT_DOUBLE_EQ(*appliedPKa, 4.9);
    EXPECT_DOUBLE_EQ(program.FindByName("acetic acid")->pKa[0], 4.757);
    EXPECT_FALSE(starter.program().IsModified());
}

TEST_F(AcidDatabaseDialogTest, AcidsDetailsChangeTheDocumentThroughOneEdit) {
    PhCalculatorDocumentModel document(std::make_unique<CpHCalculatorDoc>(starter.program()));
    document.edit([this](CpHCalculatorDoc& d) {
        return d.replaceReagent(0, *starter.program().reagents.FindByName("acetic acid"));
    });
    ASSERT_NE(document.core().acids().FindByName("acetic acid"), nullptr);
    const double pHBefore = document.core().pH();
    QSignalSpy changed(&document, &DocumentModel::changed);
    ModalAnswers answers;
    answers.then([this](QWidget& modal) {
        select(modal, "acetic acid");
        retype(modal, "pKa1", "5.9");
        QTest::mouseClick(buttonNamed(modal, QStringLiteral("Modify")), Qt::LeftButton);
        QTest::mouseClick(buttonNamed(modal, QStringLiteral("Exit")), Qt::LeftButton);
    });
    showDocumentAcidsEditor(starter.session, document, nullptr);
    EXPECT_DOUBLE_EQ(document.core().acids().FindByName("acetic acid")->pKa[0], 5.9);
    EXPECT_GT(document.core().pH(), pHBefore);  // a weaker acid
    EXPECT_EQ(changed.count(), 1);
    EXPECT_DOUBLE_EQ(starter.program().acids.FindByName("acetic acid")->pKa[0], 4.757);
}

TEST_F(AcidDatabaseDialogTest, ThePickerAnswersTheCoresQuestionWithTheAcidChosen) {
    BLAcidDatabase acids(starter.program().elements);
    BLAcid base = *starter.program().acids.FindByName("acetic acid");
    for (const char* name : {"acetic acid", "acetic acid, other source"}) {
        base.name = name;
        acids.Add(base, true);
    }
    DialogAcidChooser chooser(starter.session, nullptr);
    ModalAnswers answers;
    answers.then([this](QWidget& modal) {
        EXPECT_EQ(list(modal)->count(), 2);  // only the candidates, newest first
        EXPECT_EQ(list(modal)->item(0)->text(), QStringLiteral("acetic acid, other source"));
        EXPECT_FALSE(buttonNamed(modal, QStringLiteral("Use"))->isEnabled());
        EXPECT_FALSE(field(modal, "name")->isEnabled());
        EXPECT_FALSE(buttonNamed(modal, QStringLiteral("Add"))->isVisible());
        list(modal)->setCurrentRow(1);
        testing::saveEditorSnapshot(modal, QStringLiteral("acid-picker.png"));
        QTest::mouseClick(buttonNamed(modal, QStringLiteral("Use")), Qt::LeftButton);
    });
    const BLAcid* chosen = acids.FindByFormula("HAcetate", &chooser);
    ASSERT_NE(chosen, nullptr);
    EXPECT_EQ(chosen->name, "acetic acid");

    answers.then([](QWidget& modal) {
        QTest::mouseClick(buttonNamed(modal, QStringLiteral("Exit")), Qt::LeftButton);
    });
    EXPECT_EQ(acids.FindByFormula("HAcetate", &chooser), nullptr);
}

TEST_F(AcidDatabaseDialogTest, TheConverterWorksOnACopyTakenBackOnlyOnOk) {
    AcidDatabaseDialog dialog(starter.session);
    dialog.show();
    select(dialog, "phosphoric acid");
    ModalAnswers answers;
    answers.then([](QWidget& modal) {
        auto* converter = qobject_cast<AcidConstantsDialog*>(&modal);
        ASSERT_NE(converter, nullptr);
        CFEdit* pKa2 = converter->field(QStringLiteral("pKa2"));
        pKa2->selectAll();
        QTest::keyClicks(pKa2, QStringLiteral("9"));
        QTest::keyClick(&modal, Qt::Key_Escape);
    });
    answers.then([](QWidget& modal) {
        auto* converter = qobject_cast<AcidConstantsDialog*>(&modal);
        ASSERT_NE(converter, nullptr);
        CFEdit* pBa2 = converter->field(QStringLiteral("pBa2"));
        pBa2->selectAll();
        QTest::keyClicks(pBa2, QStringLiteral("10"));
        converter->accept();
    });
    const QString before = field(dialog, "pKa2")->text();
    QPushButton* other = buttonNamed(dialog, QStringLiteral("other constants"));
    QTest::mouseClick(other, Qt::LeftButton);
    EXPECT_EQ(field(dialog, "pKa2")->text(), before);
    QTest::mouseClick(other, Qt::LeftButton);
    const double pKa1 = field(dialog, "pKa1")->text().toDouble();
    EXPECT_NEAR(field(dialog, "pKa2")->text().toDouble(), 10 - pKa1, 1e-3);
}

}  // namespace
}  // namespace solvara
