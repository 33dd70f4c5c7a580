#include "gui/dialogs/formula_sort_dialog.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMimeData>
#include <QTest>

#include "core/program/starter_element_table.h"
#include "editor_test_support.h"
#include "gui/widgets/static_formula_frame.h"

namespace solvara {
namespace {

using testing::buttonNamed;

class FormulaSortDialogTest : public ::testing::Test {
  protected:
    // The copy buttons of the first row serve the typed formula, those of the second the
    // sorted one; both rows have the same names.
    void copy(const QString& name, int row) {
        int seen = 0;
        for (QPushButton* button : dialog.findChildren<QPushButton*>()) {
            if (button->accessibleName() == name && seen++ == row) {
                QTest::mouseClick(button, Qt::LeftButton);
                return;
            }
        }
        ADD_FAILURE() << "no button " << name.toStdString();
    }
    const QMimeData& clipboard() { return *QApplication::clipboard()->mimeData(); }

    ElementTable table = makeStarterElementTable();
    FormulaSortDialog dialog{table};
};

TEST_F(FormulaSortDialogTest, TheSortedSumFormulaDropsMarkupAndCharge) {
    QTest::keyClicks(dialog.input(), QStringLiteral("H_3PO_4"));
    EXPECT_EQ(dialog.sortedFormula(), "H3O4P");
    EXPECT_EQ(dialog.inputFrame()->caption(), QStringLiteral("98.00"));
    EXPECT_EQ(dialog.sortedFrame()->caption(), QStringLiteral("98.00"));
    dialog.input()->clear();
    QTest::keyClicks(dialog.input(), QStringLiteral("HPO_4^{2-}"));
    EXPECT_EQ(dialog.sortedFormula(), "HO4P");
    testing::saveEditorSnapshot(dialog, QStringLiteral("formula-sort.png"));
}

TEST_F(FormulaSortDialogTest, RichCopiesCarryRealSubAndSuperscripts) {
    QTest::keyClicks(dialog.input(), QStringLiteral("2Na^+,HPO_4^{2-}"));
    const QString html = QStringLiteral("2Na<sup>+</sup>,HPO<sub>4</sub><sup>2-</sup>");

    copy(QStringLiteral("HTML/RTF"), 0);
    EXPECT_EQ(clipboard().text(), html);
    EXPECT_EQ(clipboard().html(), html);
    const QByteArray rtf = clipboard().data(QStringLiteral("text/rtf"));
    EXPECT_TRUE(rtf.startsWith("{\\rtf1\\ansi{")) << rtf.toStdString();
    EXPECT_TRUE(rtf.contains("{\\sub 4}")) << rtf.toStdString();
    EXPECT_TRUE(rtf.contains("{\\super 2-}")) << rtf.toStdString();

    copy(QStringLiteral("txt/RTF"), 0);
    EXPECT_EQ(clipboard().text(), QStringLiteral("2Na^+,HPO_4^{2-}"));
    EXPECT_EQ(clipboard().html(), html);
    EXPECT_TRUE(clipboard().hasFormat(QStringLiteral("text/rtf")));

    // Forum code and LaTeX replace every earlier format with their plain text.
    copy(QStringLiteral("UBBC"), 0);
    EXPECT_EQ(clipboard().text(), QStringLiteral("2Na[sup]+[/sup],HPO[sub]4[/sub][sup]2-[/sup]"));
    EXPECT_FALSE(clipboard().hasHtml());
    EXPECT_FALSE(clipboard().hasFormat(QStringLiteral("text/rtf")));

    copy(QStringLiteral("LaTeX"), 1);  // the sorted formula: no charge
    EXPECT_FALSE(clipboard().text().contains(QLatin1Char('^')));
    EXPECT_TRUE(clipboard().text().contains(QStringLiteral("_{4}")))
        << clipboard().text().toStdString();
}

}  // namespace
}  // namespace solvara
