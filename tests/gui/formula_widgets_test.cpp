#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <string>
#include <vector>

#include "core/chemistry/chemical_formula.h"
#include "core/chemistry/element_table.h"
#include "gui/widgets/formula_layout.h"
#include "gui/widgets/static_formula_frame.h"
#include "support/starter_table.h"

namespace solvara {
namespace {

using testing::builtInTable;

class FormulaWidgets : public ::testing::Test {
  protected:
    FormulaLayout layoutOf(const std::string& text) const {
        return FormulaLayout(ChemicalFormula(table, text), normal, small);
    }

    ElementTable table = builtInTable();
    QFont normal = arialFont(32, true);
    QFont small = arialFont(16, true);
};

TEST_F(FormulaWidgets, WidthIsTheSumOfNormalAndSmallAdvances) {
    const FormulaLayout sulfate = layoutOf("SO_4^{2-}");
    const qreal expected = QFontMetricsF(normal).horizontalAdvance(QStringLiteral("SO")) +
                           QFontMetricsF(small).horizontalAdvance(QStringLiteral("42-"));
    EXPECT_NEAR(sulfate.width(), expected, 0.01);
    EXPECT_EQ(sulfate.plainText(), QStringLiteral("SO42-"));

    // The same characters with a subscript digit are narrower than all on the main line.
    const std::vector<CharKind> lowered{CharKind::normal, CharKind::subscript};
    const std::vector<CharKind> level{CharKind::normal, CharKind::normal};
    EXPECT_LT(FormulaLayout("H2", lowered, normal, small).width(),
              FormulaLayout("H2", level, normal, small).width());
}

TEST_F(FormulaWidgets, EmptyAndOverlongFormulasHaveNoWidthAndDrawNothing) {
    const std::string longest(FormulaLayout::maximumLength, 'C');
    EXPECT_GT(layoutOf(longest).width(), 0);
    QImage blank(64, 64, QImage::Format_RGB32);
    blank.fill(Qt::white);
    for (const std::string& text : {std::string(), longest + "C"}) {
        const FormulaLayout layout = layoutOf(text);
        EXPECT_EQ(layout.width(), 0) << text.size();
        QImage image = blank;
        QPainter painter(&image);
        layout.paint(painter, QPointF(0, 0), FormulaAlignment::left);
        painter.end();
        EXPECT_EQ(image, blank) << text.size();
    }
}

TEST_F(FormulaWidgets, SubscriptsReachBelowTheNormalLine) {
    EXPECT_GT(layoutOf("H_2O").descent(), layoutOf("HO").descent());
    EXPECT_EQ(layoutOf("H_2O").ascent(), layoutOf("HO").ascent());
}

TEST_F(FormulaWidgets, FittingShrinksUntilTheMarginIsFree) {
    const FormulaLayout natural = layoutOf("C_8H_17N_2O_4S");
    const qreal room = natural.width() / 2;
    const FormulaLayout fitted = natural.fittedTo(room, 6);
    EXPECT_LE(fitted.width(), room - 6);
    EXPECT_GT(fitted.width(), room / 2);
    EXPECT_EQ(natural.fittedTo(natural.width() + 10, 6).width(), natural.width());
    // No room at all still ends, with the smallest fonts.
    EXPECT_GE(natural.fittedTo(0, 6).width(), 0);
}

TEST_F(FormulaWidgets, FrameShowsTheFormulaWithoutReagentSectionAndItsMass) {
    CStaticFormulaFrame frame(table);
    frame.setFormula("H_3PO_4", true);
    EXPECT_EQ(frame.caption(), QStringLiteral("98.00"));
    EXPECT_EQ(frame.accessibleName(), QStringLiteral("H3PO4"));
    EXPECT_EQ(frame.accessibleDescription(), QStringLiteral("Molar mass 98.00"));

    frame.setFormula("NaOH/H_3PO_4; pH=7.33", false);
    EXPECT_EQ(frame.text(), "NaOH/H_3PO_4");

    frame.setFormula("Xq_2", true);
    EXPECT_TRUE(frame.caption().isEmpty()) << "unknown symbol, no mass";

    frame.setFormulaAndMass("H_2O", 18.0153);
    frame.configure(false, true);
    EXPECT_TRUE(frame.caption().isEmpty()) << "mass hidden";
    frame.setText("H_2O");
    EXPECT_EQ(frame.accessibleName(), QStringLiteral("H_2O"));
}

TEST_F(FormulaWidgets, FramePaintsTheFormulaInsideItself) {
    CStaticFormulaFrame frame(table);
    frame.resize(160, 60);
    frame.setFormula("C_8H_17N_2O_4S", true);
    const QImage image = frame.grab().toImage();
    const QColor background = frame.palette().color(QPalette::Button);
    int inkLeft = image.width();
    int inkRight = -1;
    for (int y = 10; y < image.height() - 4; ++y)
        for (int x = 4; x < image.width() - 4; ++x)
            if (image.pixelColor(x, y).lightness() < background.lightness() - 80) {
                inkLeft = std::min(inkLeft, x);
                inkRight = std::max(inkRight, x);
            }
    ASSERT_GE(inkRight, 0) << "no formula drawn";
    // Shrunk to fit and centred: ink on both halves, clear of the sides.
    EXPECT_LT(inkLeft, 80);
    EXPECT_GT(inkRight, 80);
    EXPECT_GE(inkLeft, 3);
    EXPECT_LE(inkRight, 156);
}

}  // namespace
}  // namespace solvara
