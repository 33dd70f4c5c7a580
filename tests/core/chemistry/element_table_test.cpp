#include "core/chemistry/element_table.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "support/starter_table.h"

namespace solvara {
namespace {

using testing::builtInTable;

TEST(ElementTableTest, BuiltInTableHasFixedPositionsMassesAndDecimals) {
    const ElementTable table = builtInTable();
    EXPECT_EQ(table.count(), 104);
    EXPECT_FALSE(table.modified());
    EXPECT_EQ(table.find("e"), 0);
    EXPECT_EQ(table.find("Lr"), 103);
    const std::vector<std::pair<int, std::string>> fixed{{1, "H"}, {6, "C"},  {7, "N"},
                                                         {8, "O"}, {15, "P"}, {16, "S"}};
    for (const auto& [position, symbol] : fixed) EXPECT_EQ(table[position].symbol, symbol);

    EXPECT_EQ(table[6].decimals, 4);
    EXPECT_EQ(table[table.find("Mg")].decimals, 4);  // "24.3050": trailing zeros count
    EXPECT_EQ(table[table.find("Dy")].decimals, 3);  // "162.500"
    EXPECT_EQ(table[table.find("Pm")].decimals, 0);  // "145"
    EXPECT_EQ(table[0].decimals, 1);                 // "0.0"
    EXPECT_EQ(table[0].molarMass, 0.0);
    EXPECT_EQ(table[table.find("Na")].molarMass, 22.98976928);
    EXPECT_EQ(table[table.find("Am")].molarMass, table[table.find("Pu")].molarMass);
    EXPECT_TRUE(table[1].composition.empty());
    EXPECT_TRUE(table[1].comment.empty());
}

TEST(ElementTableTest, LoadBuiltInReplacesWhateverTheTableHeld) {
    ElementTable table = testing::starterTable();
    table.loadBuiltIn();
    EXPECT_EQ(table.count(), 104);
    EXPECT_EQ(table.find("HEPES"), -1);
    EXPECT_EQ(table.find("H"), 1);
    EXPECT_FALSE(table.modified());
}

TEST(ElementTableTest, AddAppendsAndRefusesATakenSymbol) {
    ElementTable table = builtInTable();
    const Element citrate{"Citrate", "C6H5O7", "", 189.0997, 4};
    EXPECT_EQ(table.add(citrate), 104);
    EXPECT_TRUE(table.modified());
    EXPECT_EQ(table.find("Citrate"), 104);
    EXPECT_EQ(table[104], citrate);

    EXPECT_EQ(table.add({"Citrate", "", "other", 1.0, 0}), -1);
    EXPECT_EQ(table.add({"Na", "", "", 1.0, 0}), -1);
    EXPECT_EQ(table.count(), 105);
    EXPECT_EQ(table[104], citrate);
}

TEST(ElementTableTest, ModifyKeepsOrChangesTheSymbolButNeverTakesAnother) {
    ElementTable table = testing::starterTable();
    const int hepes = table.find("HEPES");

    Element renamed = table[hepes];
    renamed.comment = "Good's buffer";
    EXPECT_EQ(table.modify(hepes, renamed), hepes);
    EXPECT_EQ(table[hepes].comment, "Good's buffer");

    renamed.symbol = "Hepes";
    EXPECT_EQ(table.modify(hepes, renamed), hepes);
    EXPECT_EQ(table.find("HEPES"), -1);
    EXPECT_EQ(table.find("Hepes"), hepes);
    EXPECT_EQ(table.findLongestPrefix("HEPES").position, 1);  // only H is left
    EXPECT_EQ(table.findLongestPrefix("Hepes").position, hepes);

    renamed.symbol = "Citrate";
    EXPECT_EQ(table.modify(hepes, renamed), -1);
    EXPECT_EQ(table[hepes].symbol, "Hepes");
}

TEST(ElementTableTest, BuiltInEntriesAndInvalidPositionsCannotBeModifiedOrRemoved) {
    ElementTable table = testing::starterTable();
    const Element carbon = table[6];
    EXPECT_EQ(table.modify(6, {"Cx", "", "", 12.0, 1}), -1);
    EXPECT_EQ(table[6], carbon);
    EXPECT_EQ(table.modify(table.count(), {"New", "", "", 1.0, 0}), -1);
    EXPECT_FALSE(table.remove(6));
    EXPECT_FALSE(table.remove(table.count()));
    EXPECT_FALSE(table.remove(-1));
    EXPECT_EQ(table.count(), 107);
}

TEST(ElementTableTest, RemoveShiftsLaterMoietiesDownAndLeavesAStaleEntry) {
    ElementTable table = builtInTable();
    table.add({"Citrate", "C6H5O7", "", 189.0997, 4});
    const Element acetate{"Acetate", "CH3COO", "", 59.044, 4};
    table.add(acetate);
    ASSERT_EQ(table.count(), 106);

    EXPECT_TRUE(table.remove(104));
    EXPECT_EQ(table.count(), 105);
    EXPECT_EQ(table.entries().size(), 106u);
    EXPECT_EQ(table[104], acetate);
    EXPECT_EQ(table.find("Acetate"), 104);
    EXPECT_EQ(table.find("Citrate"), -1);
    EXPECT_EQ(table.findLongestPrefix("Citrate").position, 6);  // C
    EXPECT_EQ(table.findLongestPrefix("Acetate").position, 104);

    // The next moiety goes over the stale entry.
    EXPECT_EQ(table.add({"Tris", "C4H11NO3", "", 121.14, 2}), 105);
    EXPECT_EQ(table.entries().size(), 106u);
    EXPECT_EQ(table.find("Tris"), 105);
}

TEST(ElementTableTest, LongestPrefixPrefersLongerSymbols) {
    const ElementTable withMoieties = testing::starterTable();
    const ElementTable elementsOnly = builtInTable();
    const int chlorine = withMoieties.find("Cl");

    EXPECT_EQ(withMoieties.findLongestPrefix("Cl^-").position, chlorine);
    EXPECT_EQ(withMoieties.findLongestPrefix("Cl^-").length, 2);
    EXPECT_EQ(withMoieties.findLongestPrefix("Citrate^{3-}").position,
              withMoieties.find("Citrate"));
    EXPECT_EQ(withMoieties.findLongestPrefix("Citrate^{3-}").length, 7);
    EXPECT_EQ(withMoieties.findLongestPrefix("HEPES^-").position, withMoieties.find("HEPES"));
    EXPECT_EQ(elementsOnly.findLongestPrefix("HEPES^-").position, 1);
    EXPECT_EQ(elementsOnly.findLongestPrefix("HEPES^-").length, 1);
    EXPECT_EQ(withMoieties.findLongestPrefix("e^-").position, 0);
    EXPECT_EQ(withMoieties.findLongestPrefix("C").position, 6);  // "Ca" would run past the end

    for (const char* unknown : {"Xx", "", "hO", "\xB7", " H"}) {
        const SymbolMatch match = withMoieties.findLongestPrefix(unknown);
        EXPECT_EQ(match.position, -1) << unknown;
        EXPECT_EQ(match.length, 1) << unknown;
    }
}

// The lookup of the table scanned entry by entry: the longest symbol wins, the lowest
// position among equally long ones.
SymbolMatch scanForLongestPrefix(const ElementTable& table, std::string_view text) {
    SymbolMatch best{-1, 0};
    for (int position = 0; position < table.count(); ++position) {
        const std::string& symbol = table[position].symbol;
        if (static_cast<int>(symbol.size()) > best.length && text.starts_with(symbol)) {
            best = {position, static_cast<int>(symbol.size())};
        }
    }
    return best.position < 0 ? SymbolMatch{-1, 1} : best;
}

TEST(ElementTableTest, LongestPrefixAgreesWithAScanOfTheTableAfterEdits) {
    ElementTable table = testing::starterTable();
    table.add({"Ci", "", "", 1.0, 0});  // shares prefixes with C, Citrate and Cl
    table.add({"Citr", "", "", 1.0, 0});
    table.remove(table.find("HEPES"));
    table.modify(table.find("Acetate"), {"Ac2", "", "", 2.0, 0});

    std::mt19937 random(20240607);
    const std::string alphabet = "CitrateHEPSlNaOAcd2e^-_";
    std::uniform_int_distribution<std::size_t> letter(0, alphabet.size() - 1);
    std::uniform_int_distribution<int> length(0, 9);
    for (int round = 0; round < 20000; ++round) {
        std::string text;
        for (int i = length(random); i > 0; --i) text += alphabet[letter(random)];
        const SymbolMatch expected = scanForLongestPrefix(table, text);
        const SymbolMatch found = table.findLongestPrefix(text);
        ASSERT_EQ(found.position, expected.position) << text;
        ASSERT_EQ(found.length, expected.length) << text;
    }
}

TEST(ElementTableTest, MolarMassSumsCountsTimesMassesAndIgnoresTheCharge) {
    const ElementTable table = builtInTable();
    Composition water(table.count() + 1, 0);
    water.set(1, 2);
    water.set(8, 1);
    water.set(0, -3);
    EXPECT_DOUBLE_EQ(table.molarMass(water), 18.01528);

    Composition shortOne(2, 0);  // from a table of fewer entries
    shortOne.set(1, 1);
    EXPECT_DOUBLE_EQ(table.molarMass(shortOne), 1.00794);
}

}  // namespace
}  // namespace solvara
