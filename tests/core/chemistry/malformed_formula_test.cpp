// Formulas the notation cannot evaluate are refused as a whole: error set, composition all
// zeros, molar mass 0. Nothing a user can type may crash, hang or read out of bounds.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/chemistry/chemical_formula.h"
#include "core/chemistry/formula_export.h"
#include "starter_table.h"

namespace solvara {
namespace {

// head, then piece repeated, then tail.
std::string repeat(std::string_view piece, int times, std::string_view head = "",
                   std::string_view tail = "") {
    std::string text(head);
    for (int i = 0; i < times; ++i) text += piece;
    text += tail;
    return text;
}

// text wrapped in depth pairs of brackets.
std::string nested(std::string_view text, int depth) {
    return repeat(")", depth, repeat("(", depth, "", text));
}

class MalformedFormulaTest : public ::testing::Test {
protected:
    void expectRefused(const std::string& text) const {
        const ChemicalFormula formula(table, text);
        const std::string shown = text.substr(0, 40);
        EXPECT_TRUE(formula.error()) << shown;
        EXPECT_EQ(formula.molarMass(), 0.0) << shown;
        EXPECT_EQ(formula.composition(), Composition(table.count() + 1, 0)) << shown;
        EXPECT_EQ(formula.sortedFormula(), "") << shown;
    }

    ElementTable table = test::starterTable();
};

TEST_F(MalformedFormulaTest, UnknownSymbolsAreRefused) {
    for (const char* text : {"Xx", " H_2O", "h_2O", "NH_3(aq)", "NH_3(a)", "H_2O.", ".5H_2O",
                             "2.H_2O", "HEPE", "(Xx)H", "H,Xx", "Na+", "H\x80", "\xFF",
                             "\xB7\xB7H\xE9"}) {
        expectRefused(text);
    }
}

TEST_F(MalformedFormulaTest, ChargeMarksWithoutNumberOrSignAreRefused) {
    for (const char* text : {"H^x", "H^{}", "H^{x}", "H^^", "H^.5", "H^{^"}) expectRefused(text);
}

TEST_F(MalformedFormulaTest, CountsBeyondTheIntRangeAreRefused) {
    for (const char* text : {"H_99999999999", "H_2147483648", "(H_65536)_65536",
                             "H_2147483647H", "Na^{99999999999+}", "(H_2)_2,99999999999Cl"}) {
        expectRefused(text);
    }
    const ChemicalFormula largest(table, "H_2147483647");
    EXPECT_FALSE(largest.error());
    EXPECT_EQ(largest.composition()[1], 2147483647);
}

TEST_F(MalformedFormulaTest, NestingIsLimitedToTheDepthOfThePartialStack) {
    // The whole text and 31 groups make 32 levels: still evaluated.
    const ChemicalFormula deepest(table, nested("H", 31));
    EXPECT_EQ(test::describe(table, deepest.composition()), "H:1");
    expectRefused(nested("H", 32));
    expectRefused(repeat("H(", 40));
    expectRefused(repeat("Na,", 40));
    expectRefused(repeat("[", 1'000'000));
}

TEST_F(MalformedFormulaTest, MoreThan32PartialsAreRefused) {
    // Every charge of a level stays on the stack until the level ends.
    const ChemicalFormula full(table, repeat("^{+}", 31, "H"));
    EXPECT_EQ(full.composition().charge(), 31);
    expectRefused(repeat("^{+}", 32, "H"));
    expectRefused(repeat("H^+2", 40));
}

TEST_F(MalformedFormulaTest, UnmatchedBracketsAndBracesAreTolerated) {
    const std::vector<std::pair<std::string, std::string>> cases{
        {"(((H", "H:1"}, {"H)))", "H:1"}, {"]H_2O[", "H:2 O:1"}, {"{{H}", "H:1"},
        {"}}H{", "H:1"}, {"H,", "H:1"},   {"(", ""},              {"&", ""},
    };
    for (const auto& [text, composition] : cases) {
        const ChemicalFormula formula(table, text);
        EXPECT_FALSE(formula.error()) << text;
        EXPECT_EQ(test::describe(table, formula.composition()), composition) << text;
    }
}

// Every query on texts of a megabyte: each must finish in linear time. A quadratic display
// classification or an unbounded recursion would hang or overflow the stack here.
TEST_F(MalformedFormulaTest, MegabyteTextsAreHandledInLinearTime) {
    const std::vector<std::string> texts{
        repeat("(", 1'000'000), repeat("^", 1'000'000),   repeat("_{", 500'000),
        repeat("H", 1'000'000), repeat("9", 1'000'000),   repeat("NaCl,", 200'000),
        repeat("&", 1'000'000), repeat("\xB7", 1'000'000), repeat("H^+2", 250'000),
    };
    for (const std::string& text : texts) {
        for (const Markup markup : {Markup::on, Markup::off}) {
            ChemicalFormula formula(table);
            formula.setFormula(text, markup);
            formula.composition();
            formula.molarMass();
            formula.molarMassOfList();
            formula.phase();
            formula.sortedFormula();
            EXPECT_LE(formula.canonicalForm().size(), 3 * text.size());
            EXPECT_GE(toHtml(formula).size() + toRtf(formula).size() + toForumCode(formula).size() +
                          toLatex(formula).size(),
                      formula.display().size());
        }
    }
    EXPECT_EQ(ChemicalFormula(table, repeat("H", 1'000'000)).composition()[1], 1'000'000);
    EXPECT_EQ(ChemicalFormula(table, repeat("H_2", 250'000)).composition()[1], 500'000);
}

}  // namespace
}  // namespace solvara
