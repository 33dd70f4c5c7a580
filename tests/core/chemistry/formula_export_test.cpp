#include "core/chemistry/formula_export.h"

#include <gtest/gtest.h>

#include <vector>

#include "support/starter_table.h"

namespace solvara {
namespace {

struct ExportCase {
    const char* formula;
    const char* html;
    const char* rtf;
    const char* forum;
    const char* latex;
};

class FormulaExportTest : public ::testing::Test {
  protected:
    ElementTable table = testing::starterTable();
};

TEST_F(FormulaExportTest, WritesRunsOfEachKindInEveryFormat) {
    const std::vector<ExportCase> cases{
        {"2Na^+,HPO_4^{2-}", "2Na<sup>+</sup>,HPO<sub>4</sub><sup>2-</sup>",
         "2Na{\\super +},HPO{\\sub 4}{\\super 2-}", "2Na[sup]+[/sup],HPO[sub]4[/sub][sup]2-[/sup]",
         "\\textrm{2Na}^{+}\\textrm{,HPO}_{4}^{2-}"},
        // Opening with a superscript: an isotope mark.
        {"^{14}C", "<sup>14</sup>C", "{\\super 14}C", "[sup]14[/sup]C",
         "\\textrm{}^{14}\\textrm{C}"},
        {"CuSO_4&5H_2O", "CuSO<sub>4</sub>&middot;5H<sub>2</sub>O",
         "CuSO{\\sub 4}{\\super .}5H{\\sub 2}O", "CuSO[sub]4[/sub][sup].[/sup]5H[sub]2[/sub]O",
         "\\textrm{CuSO}_{4}\\cdot\\textrm{5H}_{2}\\textrm{O}"},
        // Ending in the dot mark.
        {"CuSO_4&", "CuSO<sub>4</sub>&middot;", "CuSO{\\sub 4}{\\super .}",
         "CuSO[sub]4[/sub][sup].[/sup]", "\\textrm{CuSO}_{4}\\cdot"},
        {"NaCl", "NaCl", "NaCl", "NaCl", "\\textrm{NaCl}"},
        {"", "", "", "", ""},
    };
    for (const auto& [text, html, rtf, forum, latex] : cases) {
        const ChemicalFormula formula(table, text);
        EXPECT_EQ(toHtml(formula), html) << text;
        EXPECT_EQ(toRtf(formula), rtf) << text;
        EXPECT_EQ(toForumCode(formula), forum) << text;
        EXPECT_EQ(toLatex(formula), latex) << text;
    }
}

TEST_F(FormulaExportTest, EscapesCharactersThatAreMarkupOfTheTargetFormat) {
    ChemicalFormula plain(table);
    plain.setFormula("A<B>&{C}\\%\xB7", Markup::off);
    EXPECT_EQ(toHtml(plain), "A&lt;B&gt;&amp;{C}\\%\xB7");
    EXPECT_EQ(toRtf(plain), "A<B>&\\{C\\}\\\\%\\'b7");
    EXPECT_EQ(toForumCode(plain), "A<B>&{C}\\%\xB7");
    EXPECT_EQ(toLatex(plain), "\\textrm{A<B>\\&\\{C\\}\\textbackslash{}\\%\xB7}");

    const ChemicalFormula automatic(table, "C{12}");
    EXPECT_EQ(toRtf(automatic), "C\\{{\\sub 12}\\}");
}

}  // namespace
}  // namespace solvara
