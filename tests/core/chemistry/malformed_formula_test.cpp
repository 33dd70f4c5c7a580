// Formulas the notation cannot evaluate are refused as a whole: error set, composition all
// zeros, molar mass 0. Nothing a user can type may crash, hang or read out of bounds.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/chemistry/chemical_formula.h"
#include "core/chemistry/formula_export.h"
#include "core/chemistry/formula_fault.h"
#include "support/starter_table.h"

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
    void expectRefused(const std::string& text, FormulaFault fault) const {
        const ChemicalFormula formula(table, text);
        const std::string shown = text.substr(0, 40);
        EXPECT_EQ(formula.fault(), fault) << shown;
        EXPECT_TRUE(formula.error()) << shown;
        EXPECT_EQ(formula.molarMass(), 0.0) << shown;
        EXPECT_EQ(formula.composition(), Composition(table.count() + 1, 0)) << shown;
        EXPECT_EQ(formula.sortedFormula(), "") << shown;
    }

    ElementTable table = testing::starterTable();
};

struct RefusalCase {
    std::vector<std::string> formulas;
    FormulaFault fault;
    const char* message;
};

// Every fault has its own message; only a symbol the table lacks is an "unknown symbol".
TEST_F(MalformedFormulaTest, EachKindOfFaultIsRefusedWithItsOwnMessage) {
    const std::vector<RefusalCase> cases{
        {{"Xx", " H_2O", "h_2O", "NH_3(aq)", "NH_3(a)", "H_2O.", "2.H_2O", "HEPE", "(Xx)H", "H,Xx",
          "Na+", "H\x80", "\xFF", "\xB7\xB7H\xE9"},
         FormulaFault::unknownSymbol,
         "unknown symbol"},
        {{"CaSO_4&0.5H_2O", "CaSO_4\xB7.5H_2O", "CuSO_4.5H_2O", "H_2.7O", "2.5H_2O", ".5H_2O",
          "0.5", "H_{0.5}", "Ca(OH)_1.5", "Na^{0.5+}", "H^.5", "(H,0.5O)_2"},
         FormulaFault::fractionalCount,
         "fractional count (counts are whole numbers)"},
        {{"H_99999999999", "H_2147483648", "(H_65536)_65536", "H_2147483647H", "Na^{99999999999+}",
          "(H_2)_2,99999999999Cl", "99999999999H_2O", "H&2147483648O", "(Na^{2147483647+}Na^+)"},
         FormulaFault::countTooLarge,
         "count too large (at most 2147483647 units of an entry or of charge)"},
        {{"(2H)", "Na(2H)", "[3]", "{2}H", "H,{3}O", "(s)2H", "1{2}H"},
         FormulaFault::countWithoutItem,
         "count that follows no symbol or group"},
        {{"H^x", "H^{}", "H^{x}", "H^^", "H^{^"},
         FormulaFault::chargeWithoutValue,
         "charge mark without a number or sign"},
        {{nested("H", 33), repeat("H(", 40), repeat("[", 1'000'000)},
         FormulaFault::nestingTooDeep,
         "brackets nested more than 32 deep"},
    };
    for (const auto& [formulas, fault, message] : cases) {
        EXPECT_EQ(formulaFaultText(fault), message);
        for (const std::string& text : formulas) expectRefused(text, fault);
    }
    EXPECT_EQ(formulaFaultText(FormulaFault::none), "");
}

TEST_F(MalformedFormulaTest, LimitsLieWhereTheirMessagesSay) {
    const ChemicalFormula largest(table, "H_2147483647");
    EXPECT_FALSE(largest.error());
    EXPECT_EQ(largest.composition()[1], 2147483647);
    const ChemicalFormula mostNegative(table, "H^{2147483647-}^-");
    EXPECT_FALSE(mostNegative.error());
    EXPECT_EQ(mostNegative.composition().charge(), -2147483647 - 1);
    const ChemicalFormula deepest(table, nested("H", 32));
    EXPECT_EQ(testing::describe(table, deepest.composition()), "H:1");
}

// Lists and charges are read one after another, not inside one another: however many there are,
// they hold no partials back.
TEST_F(MalformedFormulaTest, ListsAndChargesHaveNoLimitButTheCounts) {
    EXPECT_EQ(ChemicalFormula(table, repeat("Na,", 40)).composition()[11], 40);
    EXPECT_EQ(ChemicalFormula(table, repeat("2Na&", 1000, "Na&")).composition()[11], 2001);
    EXPECT_EQ(ChemicalFormula(table, repeat("^{+}", 1000, "H")).composition().charge(), 1000);
    EXPECT_EQ(ChemicalFormula(table, repeat("H^+2", 40)).composition().charge(), 80);
}

TEST_F(MalformedFormulaTest, UnmatchedBracketsAndBracesAreTolerated) {
    const std::vector<std::pair<std::string, std::string>> cases{
        {"(((H", "H:1"}, {"H)))", "H:1"}, {"]H_2O[", "H:2 O:1"},
        {"{{H}", "H:1"}, {"}}H{", "H:1"}, {"H,", "H:1"},
        {"(", ""},       {"&", ""},
    };
    for (const auto& [text, composition] : cases) {
        const ChemicalFormula formula(table, text);
        EXPECT_FALSE(formula.error()) << text;
        EXPECT_EQ(testing::describe(table, formula.composition()), composition) << text;
    }
}

// Every query on texts of a megabyte: each must finish in linear time. A quadratic display
// classification or an unbounded recursion would hang or overflow the stack here.
TEST_F(MalformedFormulaTest, MegabyteTextsAreHandledInLinearTime) {
    const std::vector<std::string> texts{
        repeat("(", 1'000'000), repeat("^", 1'000'000),    repeat("_{", 500'000),
        repeat("H", 1'000'000), repeat("9", 1'000'000),    repeat("NaCl,", 200'000),
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
