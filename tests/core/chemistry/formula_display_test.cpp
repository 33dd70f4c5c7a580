#include "core/chemistry/formula_display.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/chemistry/chemical_formula.h"
#include "support/starter_table.h"

namespace solvara {
namespace {

// Kinds as digits, one per display character: "010" for H, subscript 2, O.
std::string kindDigits(const ChemicalFormula& formula) {
    std::string digits;
    for (const CharKind kind : formula.kinds())
        digits += static_cast<char>('0' + static_cast<int>(kind));
    return digits;
}

struct DisplayCase {
    const char* text;
    Markup markup;
    const char* display;
    const char* kinds;
};

class FormulaDisplayTest : public ::testing::Test {
  protected:
    ElementTable table = testing::starterTable();
};

TEST_F(FormulaDisplayTest, ClassifiesPlainMarkupAndAutomaticText) {
    const std::vector<DisplayCase> cases{
        // Plain text: everything normal, marks shown.
        {"H_2O", Markup::off, "H_2O", "0000"},
        // Markup: "_" and "^" mark one character, or a braced run.
        {"H_2O", Markup::on, "H2O", "010"},
        {"H_10", Markup::on, "H10", "010"},
        {"H_{10}", Markup::on, "H10", "011"},
        {"C_{10}H_{16}N_2O_8", Markup::on, "C10H16N2O8", "0110110101"},
        {"2Na^+,HPO_4^{2-}", Markup::on, "2Na+,HPO42-", "00020000122"},
        {"Na^+,H2O", Markup::on, "Na+,H2O", "0020000"},  // no automatic subscripts in markup
        {"CuSO_4&5H_2O", Markup::on, "CuSO4.5H2O", "0000130010"},
        {"^{14}C", Markup::on, "14C", "220"},
        {"H_{2O", Markup::on, "H2O", "011"},       // an unclosed brace keeps its kind to the end
        {"H}2O,X", Markup::on, "H2O,X", "00000"},  // a stray closing brace returns to normal
        {"H_&", Markup::on, "H.", "03"},
        // Automatic: digits after the leading count are subscripts.
        {"C8H17N2O4S", Markup::on, "C8H17N2O4S", "0101101010"},
        {"2H2O", Markup::on, "2H2O", "0010"},
        {"?2H2O", Markup::on, "?2H2O", "00010"},
        {"CuSO4\xB7"
         "5H2O",
         Markup::on,
         "CuSO4\xB7"
         "5H2O",
         "0000101010"},
        {"", Markup::on, "", ""},
    };
    for (const auto& [text, markup, display, kinds] : cases) {
        ChemicalFormula formula(table);
        formula.setFormula(text, markup);
        EXPECT_EQ(formula.display(), display) << text;
        EXPECT_EQ(kindDigits(formula), kinds) << text;
        EXPECT_EQ(formula.length(), static_cast<int>(formula.display().size())) << text;
    }
}

TEST_F(FormulaDisplayTest, CanonicalFormWritesEverySubscriptWithUnderscoreAndFewBraces) {
    const std::vector<std::pair<const char*, const char*>> cases{
        {"H2SO4", "H_2SO_4"},
        {"H_2SO_4", "H_2SO_4"},
        {"H_2O", "H_2O"},
        {"C_{10}H_{16}N_2O_8", "C_{10}H_{16}N_2O_8"},
        {"H_{10}", "H_{10}"},
        {"SO_4^{2-}", "SO_4^{2-}"},
        {"SO_4^2-", "SO_4^2-"},
        {"Na^{+}", "Na^+"},
        {"2Na^+,HPO_4^{2-}", "2Na^+,HPO_4^{2-}"},
        {"CuSO_4&5H_2O", "CuSO_4&5H_2O"},
        {"CuSO_4&&5H_2O", "CuSO_4&5H_2O"},  // a run of dots is one mark
        {"H_{0}", "H_{0}"},                 // a braced 0 keeps its braces
        {"CH3COO", "CH_3COO"},
        {"", ""},
    };
    for (const auto& [text, canonical] : cases) {
        EXPECT_EQ(ChemicalFormula(table, text).canonicalForm(), canonical) << text;
    }
}

TEST_F(FormulaDisplayTest, CanonicalFormIsStable) {
    for (const char* text : {"H2SO4", "Na^{+}", "^{14}C", "CuSO_4&5H_2O", "Fe_2(SO_4)_3"}) {
        const std::string once = ChemicalFormula(table, text).canonicalForm();
        EXPECT_EQ(ChemicalFormula(table, once).canonicalForm(), once) << text;
    }
}

}  // namespace
}  // namespace solvara
