#include "core/chemistry/substance.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "core/archive/archive.h"
#include "support/archive_test_support.h"
#include "support/record_bytes.h"
#include "support/starter_table.h"

namespace solvara {
namespace {

using testing::RecordBytes;

TEST(SubstanceTest, SetFormulaKeepsMolarMassAndStateMarkerInStep) {
    const ElementTable table = testing::starterTable();
    const double sodium = table[table.find("Na")].molarMass;
    const double hydrogenPhosphate = 1.00794 + 30.973762 + 4 * 15.9994;
    const struct {
        const char* formula;
        double molarMass;
        Phase phase;
    } cases[] = {
        {"HAcetate", 1.00794 + table[table.find("Acetate")].molarMass, Phase::none},
        {"NaCl(s)", sodium + 35.453, Phase::solid},
        {"2Na^+,HPO_4^{2-}", 2 * sodium + hydrogenPhosphate, Phase::none},
        {"CO_2(g)", 12.0107 + 2 * 15.9994, Phase::gas},
        {"Xx", 0.0, Phase::none},
    };
    for (const auto& expected : cases) {
        CSubstance substance;
        substance.setFormula(expected.formula, table);
        EXPECT_EQ(substance.formula, expected.formula);
        EXPECT_NEAR(substance.molarMass, expected.molarMass, 1e-9) << expected.formula;
        EXPECT_EQ(substance.phase, expected.phase) << expected.formula;
    }
    EXPECT_NEAR(table[table.find("Acetate")].molarMass, 59.044, 1e-3);
}

TEST(SubstanceTest, CompositionIsThatOfTheFormula) {
    const ElementTable table = testing::starterTable();
    CSubstance substance;
    substance.setFormula("HPO_4^{2-}", table);
    EXPECT_EQ(testing::describe(table, substance.composition(table)), "H:1 O:4 P:1 charge:-2");
}

TEST(SubstanceTest, EqualityComparesTextsAndStateMarkerButNotTheMass) {
    CSubstance base;
    base.name = "acetic acid";
    base.formula = "HAcetate";
    base.extraText = "kept for the file";
    base.molarMass = 60.05;

    CSubstance heavier = base;
    heavier.molarMass = 1.0;
    EXPECT_EQ(heavier, base);

    CSubstance renamed = base;
    renamed.name = "Acetic acid";
    CSubstance reformulated = base;
    reformulated.formula += ' ';
    CSubstance otherExtra = base;
    otherExtra.extraText.clear();
    CSubstance solid = base;
    solid.phase = Phase::solid;
    for (const CSubstance* other : {&renamed, &reformulated, &otherExtra, &solid}) {
        EXPECT_FALSE(*other == base);
    }
}

std::string sodiumChlorideRecord(std::int32_t version) {
    return RecordBytes{}
        .int32(version)
        .string("sodium chloride")
        .string("NaCl(s)")
        .string("extra")
        .float64(58.44)
        .int32(0)
        .bytes();
}

TEST(SubstanceTest, RecordIsVersionTextsMassAndStateMarker) {
    CSubstance loaded;
    std::istringstream in(sodiumChlorideRecord(0x12345));  // any version reads the same
    const ClassRegistry noClasses;
    Archive archive(in, noClasses, testing::kTestFileName);
    loaded.Serialize(archive);
    EXPECT_EQ(loaded.name, "sodium chloride");
    EXPECT_EQ(loaded.formula, "NaCl(s)");
    EXPECT_EQ(loaded.extraText, "extra");
    EXPECT_EQ(loaded.molarMass, 58.44);
    EXPECT_EQ(loaded.phase, Phase::solid);
    EXPECT_THROW(archive.readByte(), ArchiveError);

    EXPECT_EQ(testing::store([&loaded](Archive& out) { loaded.Serialize(out); }),
              sodiumChlorideRecord(0x10000));
}

}  // namespace
}  // namespace solvara
