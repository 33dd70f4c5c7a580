// The notation checked against what it means rather than against examples, over every symbol of
// the starter table, the electron and the moieties included.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/chemistry/chemical_formula.h"
#include "support/starter_table.h"

namespace solvara {
namespace {

class FormulaPropertiesTest : public ::testing::Test {
  protected:
    Composition compositionOf(const std::string& text) const {
        const ChemicalFormula formula(table, text);
        EXPECT_FALSE(formula.error()) << text;
        return formula.composition();
    }

    // factor * a + b, slot by slot.
    static Composition combined(int factor, const Composition& a, const Composition& b) {
        Composition sum(a.size(), 0);
        for (int slot = 0; slot < a.size(); ++slot) sum.set(slot, factor * a[slot] + b[slot]);
        return sum;
    }

    double weighedSum(const Composition& composition) const {
        long double sum = 0.0L;
        for (int slot = 0; slot < table.count(); ++slot) {
            sum += static_cast<long double>(composition[slot]) * table[slot].molarMass;
        }
        return static_cast<double>(sum);
    }

    ElementTable table = testing::starterTable();
    const Composition none = Composition(table.count() + 1, 0);
};

TEST_F(FormulaPropertiesTest, EverySymbolCountsAsOneUnitOfItsEntryAndACountMultipliesIt) {
    for (int position = 0; position < table.count(); ++position) {
        const std::string symbol = table[position].symbol;
        // The electron's slot holds the charge, so "e" alone holds nothing.
        Composition unit = none;
        if (position != 0) unit.set(position, 1);
        EXPECT_EQ(compositionOf(symbol), unit) << symbol;
        for (const int count : {0, 1, 2, 13, 1000}) {
            const std::string counted = symbol + "_" + std::to_string(count);
            EXPECT_EQ(compositionOf(counted), combined(count, unit, none)) << counted;
            EXPECT_EQ(compositionOf("(" + symbol + ")" + std::to_string(count)),
                      combined(count, unit, none))
                << counted;
            // A leading count is a number of formula units: only the list mass applies it.
            const ChemicalFormula units(table, std::to_string(count) + symbol);
            EXPECT_EQ(units.composition(), unit) << counted;
            EXPECT_DOUBLE_EQ(units.molarMassOfList(),
                             std::max(count, 1) * ChemicalFormula(table, symbol).molarMass())
                << counted;
        }
    }
}

TEST_F(FormulaPropertiesTest, PartsAddAndACountBeforeAPartMultipliesOnlyThatPart) {
    for (int first = 0; first < table.count(); ++first) {
        const std::string a = table[first].symbol;
        const Composition compositionA = compositionOf(a);
        for (int second = 0; second < table.count(); ++second) {
            const std::string b = table[second].symbol;
            const Composition compositionB = compositionOf(b);
            EXPECT_EQ(compositionOf(a + "&" + b), combined(1, compositionA, compositionB))
                << a << "&" << b;
            // A count ends a symbol, so the next one starts afresh: "e_2H" is H alone.
            EXPECT_EQ(compositionOf(a + "_2" + b), combined(2, compositionA, compositionB))
                << a << "_2" << b;
            EXPECT_EQ(compositionOf(b + ",3" + a + "," + b),
                      combined(3, compositionA, combined(2, compositionB, none)))
                << b << ",3" << a << "," << b;
        }
    }
}

TEST_F(FormulaPropertiesTest, MolarMassIsTheCompositionWeighedWithTheTable) {
    const std::vector<std::string> formulas{
        "H_2O",
        "Fe_2(SO_4)_3",
        "CuSO_4&5H_2O",
        "Na_3Citrate",
        "HEPES^-",
        "(NH_4^+)2SO_4^{2-}",
        "Mg^{2+},2Cl^-",
        "e^-",
        "Acetate^-",
        "K_2SO_4&Al_2(SO_4)_3&24H_2O",
        "C_{10}H_{16}N_2O_8",
        "Lr_3Cm",
    };
    for (const std::string& text : formulas) {
        const ChemicalFormula formula(table, text);
        EXPECT_DOUBLE_EQ(formula.molarMass(), weighedSum(compositionOf(text))) << text;
    }
}

}  // namespace
}  // namespace solvara
