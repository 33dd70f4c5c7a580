#include "core/chemistry/chemical_formula.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/starter_table.h"

namespace solvara {
namespace {

class ChemicalFormulaTest : public ::testing::Test {
  protected:
    std::string compositionOf(std::string_view text) const {
        return testing::describe(table, ChemicalFormula(table, text).composition());
    }
    double mass(const char* symbol) const { return table[table.find(symbol)].molarMass; }

    ElementTable table = testing::starterTable();
};

struct CompositionCase {
    const char* formula;
    const char* composition;
};

TEST_F(ChemicalFormulaTest, CompositionFollowsTheNotation) {
    const std::vector<CompositionCase> cases{
        {"H_2O", "H:2 O:1"},
        {"H2O", "H:2 O:1"},
        {"Fe_2(SO_4)_3", "O:12 S:3 Fe:2"},
        {"CuSO_4&5H_2O", "H:10 O:9 S:1 Cu:1"},
        {"CuSO4\xB7"
         "5H2O",
         "H:10 O:9 S:1 Cu:1"},  // the middle dot separates too
        {"C_{10}H_{16}N_2O_8", "H:16 C:10 N:2 O:8"},
        {"H10", "H:10"},
        {"H_{10}", "H:10"},
        {"H_1_0", "H:10"},  // subscript marks are dropped before anything else is read
        {"Ca(OH)_2", "H:2 O:2 Ca:1"},
        {"Ca[OH]_2", "H:2 O:2 Ca:1"},
        {"Ca(OH]_2", "H:2 O:2 Ca:1"},  // either closing bracket closes either opening one
        {"Ca(OH_2", "H:2 O:1 Ca:1"},   // an unclosed group ends with the text
        {"NaCl(s)", "Na:1 Cl:1"},
        {"CO_2[g)", "C:1 O:2"},
        {"SO_4^{2-}", "O:4 S:1 charge:-2"},
        {"SO_4^2-", "O:4 S:1 charge:-2"},
        {"SO_4^-2", "O:4 S:1 charge:-2"},  // the 2 multiplies the charge only
        {"Cl^-2", "Cl:1 charge:-2"},
        {"Fe^{3+}", "Fe:1 charge:3"},
        {"Mg^2", "Mg:1 charge:2"},
        {"NH_4^+", "H:4 N:1 charge:1"},
        {"(NH_4^+)2SO_4^{2-}", "H:8 N:2 O:4 S:1"},
        {"e^-", "charge:-1"},
        {"e^-2", "charge:-2"},
        {"e_2H", "H:1"},             // the electron is an item without units, however many
        {"2Na^+", "Na:1 charge:1"},  // the leading count is skipped
        {"1e3H_2O", "H:2 O:1"},
        {"2Na^+,HPO_4^{2-}", "H:1 O:4 Na:1 P:1 charge:-1"},
        {"Mg^{2+},2Cl^-", "Mg:1 Cl:2"},
        // A count after a separator multiplies its own part only.
        {"CuCl_2&2KCl&2H_2O", "H:4 O:2 Cl:4 K:2 Cu:1"},
        {"Na^+,2H_2O,Cl^-", "H:4 O:2 Na:1 Cl:1"},
        {"(Na,K)_2", "Na:2 K:2"},  // a group's multiplier covers all of its parts
        {"H_2O)", "H:2 O:1"},      // a stray closing bracket is ignored
        {"HEPES^-", "HEPES:1 charge:-1"},
        {"Na_3Citrate", "Na:3 Citrate:1"},
        {"H^", "H:1"},  // an unfinished charge adds nothing
        {"H^{", "H:1"},
        {"", ""},
    };
    for (const auto& [formula, composition] : cases) {
        const ChemicalFormula parsed(table, formula);
        EXPECT_EQ(testing::describe(table, parsed.composition()), composition) << formula;
        EXPECT_FALSE(parsed.error()) << formula;
    }
}

TEST_F(ChemicalFormulaTest, CompositionHasOneSlotPerTableEntryPlusOne) {
    EXPECT_EQ(ChemicalFormula(table, "H_2O").composition().size(), table.count() + 1);
    EXPECT_EQ(ChemicalFormula(table, "Xx").composition().size(), table.count() + 1);
}

TEST_F(ChemicalFormulaTest, MolarMassSumsTheComposition) {
    EXPECT_DOUBLE_EQ(ChemicalFormula(table, "H_2O").molarMass(), 18.01528);
    EXPECT_DOUBLE_EQ(ChemicalFormula(table, "H_3PO_4").molarMass(),
                     3 * 1.00794 + 30.973762 + 4 * 15.9994);
    // A moiety weighs what its entry says, whatever its composition text.
    EXPECT_DOUBLE_EQ(ChemicalFormula(table, "HEPES^-").molarMass(), mass("HEPES"));
    EXPECT_NEAR(mass("Citrate"), 6 * 12.0107 + 5 * 1.00794 + 7 * 15.9994, 1e-12);
    EXPECT_DOUBLE_EQ(ChemicalFormula(table, "e^-").molarMass(), 0.0);
}

TEST_F(ChemicalFormulaTest, QueriesReadTheTableAsItIsNow) {
    ElementTable growing;
    growing.loadBuiltIn();
    const ChemicalFormula tris(growing, "Tris");
    EXPECT_TRUE(tris.error());
    const int position = growing.add({"Tris", "C4H11NO3", "", 121.14, 2});
    EXPECT_FALSE(tris.error());
    EXPECT_DOUBLE_EQ(tris.molarMass(), 121.14);
    growing.modify(position, {"Tris", "C4H11NO3", "", 121.1, 1});
    EXPECT_DOUBLE_EQ(tris.molarMass(), 121.1);
    growing.remove(position);
    EXPECT_TRUE(tris.error());
    EXPECT_EQ(tris.molarMass(), 0.0);
}

TEST_F(ChemicalFormulaTest, MolarMassOfListWeighsEveryPieceWithItsCount) {
    EXPECT_DOUBLE_EQ(ChemicalFormula(table, "2Na^+,HPO_4^{2-}").molarMassOfList(),
                     2 * mass("Na") + (mass("H") + mass("P") + 4 * mass("O")));
    EXPECT_DOUBLE_EQ(ChemicalFormula(table, "Mg^{2+},2Cl^-").molarMassOfList(),
                     mass("Mg") + 2 * mass("Cl"));
    EXPECT_DOUBLE_EQ(ChemicalFormula(table, "0Na^+,Cl^- ").molarMassOfList(),
                     mass("Na") + mass("Cl"));
    // A piece that cannot be weighed adds nothing.
    EXPECT_DOUBLE_EQ(ChemicalFormula(table, "Na^+,Xx^-").molarMassOfList(), mass("Na"));
    EXPECT_DOUBLE_EQ(ChemicalFormula(table, "Na^+, Cl^-").molarMassOfList(), mass("Na"));
    EXPECT_DOUBLE_EQ(ChemicalFormula(table, "99999999999Na,Cl").molarMassOfList(), mass("Cl"));
    // Counts are whole numbers: a fractional one leaves its piece unweighed, and the formula
    // says why.
    const ChemicalFormula hemihydrate(table, "CaSO_4,0.5H_2O");
    EXPECT_DOUBLE_EQ(hemihydrate.molarMassOfList(), mass("Ca") + mass("S") + 4 * mass("O"));
    EXPECT_EQ(hemihydrate.fault(), FormulaFault::fractionalCount);
    EXPECT_DOUBLE_EQ(ChemicalFormula(table, "0.5NaCl").molarMassOfList(), 0.0);
    EXPECT_DOUBLE_EQ(ChemicalFormula(table, ",,").molarMassOfList(), 0.0);
}

TEST_F(ChemicalFormulaTest, PhaseIsTheFirstStateMarkerFoundInOrderSolidGasAqueous) {
    const std::vector<std::pair<const char*, Phase>> cases{
        {"NaCl(s)", Phase::solid}, {"CO_2(g)", Phase::gas},   {"NH_3(a)", Phase::aqueous},
        {"NaCl", Phase::none},     {"X(g)(s)", Phase::solid}, {"NaCl [s)", Phase::none},
    };
    for (const auto& [formula, phase] : cases) {
        EXPECT_EQ(ChemicalFormula(table, formula).phase(), phase) << formula;
    }
    // "(a)" is not skipped by the parser.
    EXPECT_EQ(ChemicalFormula(table, "NH_3(a)").molarMass(), 0.0);
}

TEST_F(ChemicalFormulaTest, SortedFormulaPutsCHNOSPFirst) {
    const std::vector<std::pair<const char*, const char*>> cases{
        {"C_{10}H_{16}N_2O_8", "C10H16N2O8"},
        {"H_3PO_4", "H3O4P"},
        {"Fe_2(SO_4)_3", "O12S3Fe2"},
        {"SO_4^{2-}", "O4S"},
        {"Na_3Citrate", "Na3Citrate"},
        {"KCl,NaCl", "NaCl2K"},
        {"Xx", ""},
    };
    for (const auto& [formula, sorted] : cases) {
        EXPECT_EQ(ChemicalFormula(table, formula).sortedFormula(), sorted) << formula;
    }
}

TEST_F(ChemicalFormulaTest, SetFormulaDropsTrailingButKeepsLeadingSpace) {
    ChemicalFormula formula(table);
    formula.setFormula("H_2O \t\r\n");
    EXPECT_EQ(formula.source(), "H_2O");
    EXPECT_FALSE(formula.error());
    formula.setFormula(" H_2O");
    EXPECT_EQ(formula.source(), " H_2O");
    EXPECT_TRUE(formula.error());
    EXPECT_EQ(formula.molarMass(), 0.0);
}

}  // namespace
}  // namespace solvara
