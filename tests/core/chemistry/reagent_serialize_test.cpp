#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "core/archive/archive.h"
#include "core/chemistry/reagent.h"
#include "core/program/program_class_registry.h"
#include "core/program/program_model.h"
#include "support/archive_test_support.h"
#include "support/record_bytes.h"
#include "support/starter_program.h"

namespace solvara {
namespace {

using testing::RecordBytes;

class ReagentSerializeTest : public ::testing::Test {
  protected:
    // Loads one record into a fresh reagent, through an archive that carries `model`.
    Reagent load(const std::string& record, ProgramModel* model) {
        std::istringstream in(record);
        const ClassRegistry registry = makeProgramClassRegistry();
        Archive archive(in, registry, testing::kTestFileName);
        archive.setChemistryModel(model);
        Reagent reagent;
        reagent.Serialize(archive);
        EXPECT_THROW(archive.readByte(), ArchiveError) << "the record was not read to its end";
        return reagent;
    }

    // The record of an older layout: its own texts first, the molar mass after the id.
    static RecordBytes oldRecord(std::int32_t version) {
        RecordBytes bytes;
        bytes.int32(version)
            .string("2Na^+,HPO_4^{2-}")
            .string("disodium phosphate")
            .float64(0.5)
            .float64(99.0)  // spectator charge, recomputed
            .float64(99.0)  // spectator strength, recomputed
            .int32(0)
            .int32(12)
            .float64(1.0);         // molar mass, recomputed
        bytes.count(1).int32(77);  // acid ids, rebuilt
        return bytes;
    }

    std::shared_ptr<ProgramModel> program = makeStarterProgramModel();
};

TEST_F(ReagentSerializeTest, StoredRecordReadsBackAndIsAnalysedAgain) {
    Reagent reagent = testing::reagentOf(*program, "2Na^+,HPO_4^{2-}", 0.5);
    reagent.name = "disodium phosphate";
    reagent.id = 12;
    reagent.isSolid = true;
    reagent.analyze(true);
    reagent.concentrationData.mass = 3.5;

    const std::string bytes = testing::store([&](Archive& archive) { reagent.Serialize(archive); });
    EXPECT_EQ(bytes.substr(0, 8), testing::hexBytes("02 00 01 00 00 00 01 00"));

    const Reagent loaded = load(bytes, program.get());
    EXPECT_EQ(static_cast<const CSubstance&>(loaded), reagent);
    EXPECT_EQ(loaded.id, 12);
    EXPECT_TRUE(loaded.isSolid);
    EXPECT_EQ(loaded.concentration, 0.5);
    EXPECT_EQ(loaded.concentrationData.mass, 3.5);
    EXPECT_TRUE(loaded.analysed);
    EXPECT_EQ(loaded.acidIds, reagent.acidIds);
    EXPECT_EQ(loaded.acidMultipliers, reagent.acidMultipliers);
    EXPECT_EQ(loaded.program(), program.get());
}

TEST_F(ReagentSerializeTest, FirstLayoutGetsAConcentrationDataSetDescribingTheStock) {
    RecordBytes bytes = oldRecord(0x10000);
    bytes.count(1).float64(5.0);  // multipliers, rebuilt
    const Reagent loaded = load(bytes.bytes(), program.get());
    EXPECT_EQ(loaded.name, "disodium phosphate");
    EXPECT_EQ(loaded.id, 12);
    EXPECT_TRUE(loaded.analysed);
    EXPECT_EQ(loaded.acidIds,
              (std::vector<std::int32_t>{testing::kSodiumHydroxide, testing::kPhosphoricAcid}));
    EXPECT_EQ(loaded.acidMultipliers, (std::vector<double>{2.0, 1.0}));
    EXPECT_EQ(loaded.spectatorCharge, 0.0);
    EXPECT_NEAR(loaded.molarMass, 141.96, 0.01);
    EXPECT_EQ(loaded.concentrationData.concentrationMolar, 0.5);
    EXPECT_EQ(loaded.concentrationData.formula, "2Na^+,HPO_4^{2-}");
    EXPECT_EQ(loaded.concentrationData.molarMass, loaded.molarMass);
}

TEST_F(ReagentSerializeTest, SecondLayoutReadsItsConcentrationDataSet) {
    CCDataSet dataSet;
    dataSet.mass = 7.25;
    dataSet.formula = "stored";
    const std::string dataSetBytes =
        testing::store([&](Archive& archive) { dataSet.Serialize(archive); });
    RecordBytes bytes = oldRecord(0x10001);
    bytes.raw(dataSetBytes).count(0);
    const Reagent loaded = load(bytes.bytes(), program.get());
    EXPECT_EQ(loaded.concentrationData.mass, 7.25);
    EXPECT_TRUE(loaded.analysed);
    // The analysis gives the data set the reagent's formula.
    EXPECT_EQ(loaded.concentrationData.formula, "2Na^+,HPO_4^{2-}");
}

TEST_F(ReagentSerializeTest, WithoutAProgramTheLoadedReagentIsNotAnalysed) {
    Reagent reagent = testing::reagentOf(*program, "HCl", 1.0);
    const std::string bytes = testing::store([&](Archive& archive) { reagent.Serialize(archive); });
    const Reagent loaded = load(bytes, nullptr);
    EXPECT_EQ(loaded.formula, "HCl");
    EXPECT_FALSE(loaded.analysed);
    EXPECT_TRUE(loaded.acidIds.empty());
}

}  // namespace
}  // namespace solvara
