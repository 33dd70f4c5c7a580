#include "gui/dialogs/elements_editor_dialog.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QTreeWidget>

#include "core/chemistry/moiety_edit_check.h"
#include "core/program/integrity_rules.h"
#include "editor_test_support.h"
#include "gui/widgets/f_edit.h"
#include "gui/widgets/qt_text.h"
#include "modal_answers.h"

namespace solvara {
namespace {

using testing::buttonNamed;
using testing::controlNamed;
using testing::ModalAnswers;

class ElementsEditorDialogTest : public ::testing::Test {
  protected:
    QLineEdit* field(const char* name) {
        return controlNamed<QLineEdit>(dialog, QString::fromLatin1(name));
    }
    QTreeWidget* list() { return dialog.findChild<QTreeWidget*>(); }
    void select(const char* symbol) {
        const QList<QTreeWidgetItem*> rows =
            list()->findItems(QString::fromLatin1(symbol), Qt::MatchExactly, 1);
        ASSERT_EQ(rows.size(), 1) << symbol;
        list()->setCurrentItem(rows.front());
    }
    void retype(const char* name, const char* text) {
        field(name)->selectAll();
        QTest::keyClicks(field(name), QString::fromLatin1(text));
    }
    bool enabled(const char* button) {
        return buttonNamed(dialog, QString::fromLatin1(button))->isEnabled();
    }
    void click(const char* button) {
        QTest::mouseClick(buttonNamed(dialog, QString::fromLatin1(button)), Qt::LeftButton);
    }

    testing::StarterSession starter;
    ElementsEditorDialog dialog{starter.session, {}};
};

TEST_F(ElementsEditorDialogTest, ElementsShowTheirSymbolAndStay) {
    dialog.show();
    EXPECT_EQ(list()->topLevelItemCount(), starter.program().elements.count() - 1);
    select("Na");
    EXPECT_EQ(field("composition")->text(), QStringLiteral("Na"));
    EXPECT_EQ(field("molar mass")->text(), QStringLiteral("22.98976928"));
    for (const char* button : {"Add", "Modify", "Delete"}) EXPECT_FALSE(enabled(button)) << button;
    testing::saveEditorSnapshot(dialog, QStringLiteral("elements-editor.png"));
}

TEST_F(ElementsEditorDialogTest, AMoietyIsAddedWithTheMassOfItsCompositionOnExit) {
    dialog.show();
    retype("symbol", "Gly");
    retype("composition", "C2H4NO2");
    const double mass = 2 * 12.0107 + 4 * 1.00794 + 14.0067 + 2 * 15.9994;
    EXPECT_NEAR(field("molar mass")->text().toDouble(), mass, 0.01);
    ASSERT_TRUE(enabled("Add"));
    retype("symbol", "gly");  // a symbol starts with a capital
    EXPECT_FALSE(enabled("Add"));
    retype("symbol", "Citrate");  // taken
    EXPECT_FALSE(enabled("Add"));
    retype("symbol", "Gly");
    retype("molar mass", "74.06");
    click("Add");
    const QList<QTreeWidgetItem*> rows =
        list()->findItems(QStringLiteral("Gly"), Qt::MatchExactly, 1);
    ASSERT_EQ(rows.size(), 1);
    EXPECT_EQ(rows.front()->text(2), QStringLiteral("74.06"));
    EXPECT_EQ(starter.program().elements.find("Gly"), -1);  // not before the editor closes

    QSignalSpy edited(&starter.session, &ProgramSession::databaseEdited);
    click("Exit");
    const int gly = starter.program().elements.find("Gly");
    ASSERT_GE(gly, ElementTable::kFirstMoiety);
    EXPECT_EQ(starter.program().elements[gly].decimals, 2);
    EXPECT_DOUBLE_EQ(starter.program().elements[gly].molarMass, 74.06);
    EXPECT_TRUE(starter.program().IsModified());
    EXPECT_EQ(edited.count(), 1);
}

TEST_F(ElementsEditorDialogTest, AMoietyInUseIsKeptAFreeOneGoes) {
    dialog.show();
    ModalAnswers answers;
    select("Citrate");  // citric acid is written with it
    ASSERT_TRUE(enabled("Delete"));
    answers.pressInMessageBox(QMessageBox::Ok);
    QTest::keyClick(list(), Qt::Key_Delete);
    ASSERT_EQ(answers.boxes.size(), 1u);
    EXPECT_EQ(answers.boxes[0].text, fromWindows1252(integrity_messages::kMoietyInUse));

    // Renaming a moiety to a symbol another entry has is refused.
    retype("symbol", "HEPES");
    ASSERT_TRUE(enabled("Modify"));
    answers.pressInMessageBox(QMessageBox::Ok);
    click("Modify");
    ASSERT_EQ(answers.boxes.size(), 2u);
    EXPECT_EQ(answers.boxes[1].text, fromWindows1252(kMoietySymbolTaken));

    // A moiety only an open document uses is kept as well.
    Element tris("Tris", "C4H11NO3", "", 121.14, 2);
    const int trisPosition = starter.program().elements.add(tris);
    Composition documentUsage(starter.program().elements.count(), 0);
    documentUsage.set(trisPosition, 1);
    ElementsEditorDialog withDocument(starter.session,
                                      [&documentUsage] { return std::vector{documentUsage}; });
    withDocument.show();
    QTreeWidget* rows = withDocument.findChild<QTreeWidget*>();
    rows->setCurrentItem(rows->findItems(QStringLiteral("Tris"), Qt::MatchExactly, 1).front());
    answers.pressInMessageBox(QMessageBox::Ok);
    QTest::keyClick(rows, Qt::Key_Delete);
    ASSERT_EQ(answers.boxes.size(), 3u);
    EXPECT_EQ(answers.boxes[2].text, fromWindows1252(integrity_messages::kMoietyInUse));
    QTest::mouseClick(buttonNamed(withDocument, QStringLiteral("Exit")), Qt::LeftButton);
    EXPECT_GE(starter.program().elements.find("Tris"), 0);

    ElementsEditorDialog free(starter.session, {});
    free.show();
    rows = free.findChild<QTreeWidget*>();
    rows->setCurrentItem(rows->findItems(QStringLiteral("Tris"), Qt::MatchExactly, 1).front());
    QTest::keyClick(rows, Qt::Key_Delete);
    QTest::mouseClick(buttonNamed(free, QStringLiteral("Exit")), Qt::LeftButton);
    EXPECT_EQ(starter.program().elements.find("Tris"), -1);
}

}  // namespace
}  // namespace solvara
