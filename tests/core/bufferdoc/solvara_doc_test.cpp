#include "core/bufferdoc/solvara_doc.h"

#include <cmath>

#include <gtest/gtest.h>

#include "core/program/program_model.h"

namespace solvara {
namespace {

class SolvaraDocTest : public ::testing::Test {
  protected:
    std::shared_ptr<ProgramModel> program_ = makeStarterProgramModel();
};

TEST_F(SolvaraDocTest, StartsFromTheProgramDefaults) {
    ProgramDefaults& defaults = program_->defaults;
    defaults.pH = 4.5;
    defaults.concentration = 50.0;
    defaults.concentrationUnit = 1;
    defaults.volume = 2.0;
    defaults.temperature = 37.0;
    defaults.preparationTemperature = 20.0;
    defaults.forceIonicStrength = true;
    defaults.ionicStrength = 0.15;
    const CSolvaraDoc document(*program_);
    EXPECT_EQ(document.inputs.pH, 4.5);
    EXPECT_DOUBLE_EQ(document.inputs.concentration, 0.05);
    EXPECT_EQ(document.concentrationShown, 50.0);
    EXPECT_EQ(document.inputs.volume, 2.0);
    EXPECT_EQ(document.inputs.temperature, 37.0);
    EXPECT_EQ(document.inputs.preparationTemperature, 20.0);
    EXPECT_TRUE(document.inputs.forceIonicStrength);
    EXPECT_TRUE(document.results.lowForcingWarning);
    EXPECT_EQ(document.inputs.ionicStrength, 0.15);
    EXPECT_FALSE(document.results.pHAtPreparation);
    EXPECT_FALSE(document.HasBothReagents());
    EXPECT_FALSE(document.CanMakepHCalculator());
    EXPECT_FALSE(document.IsModified());
}

TEST_F(SolvaraDocTest, UnitChangesKeepTheStoredValue) {
    CSolvaraDoc document(*program_);
    document.inputs.concentration = 0.025;
    document.concentrationUnit = 1;
    document.ConcentrationToShown();
    EXPECT_DOUBLE_EQ(document.concentrationShown, 25.0);
    document.inputs.volume = 0.75;
    document.volumeUnit = 1;
    document.VolumeToShown();
    EXPECT_DOUBLE_EQ(document.volumeShown, 750.0);
    document.volumeShown = 100.0;
    document.VolumeFromShown();
    EXPECT_DOUBLE_EQ(document.inputs.volume, 0.1);
    document.volumeUnit = 0;
    document.VolumeToShown();
    EXPECT_DOUBLE_EQ(document.volumeShown, 0.1);
}

TEST_F(SolvaraDocTest, ForcingBringsInAndTakesAwayOnlyTheDefaultSalt) {
    const InertSalt& defaultSalt = *program_->salts.DefaultSalt();
    CSolvaraDoc document(*program_);
    document.SetForceIonicStrength(true);
    EXPECT_EQ(document.salt.name, defaultSalt.name);
    document.SetForceIonicStrength(false);
    EXPECT_TRUE(document.salt.name.empty());

    document.salt = *program_->salts.FindByName("magnesium chloride, 1M");
    document.SetForceIonicStrength(true);
    EXPECT_EQ(document.salt.name, "magnesium chloride, 1M");
    document.SetForceIonicStrength(false);
    EXPECT_EQ(document.salt.name, "magnesium chloride, 1M");
}

TEST_F(SolvaraDocTest, UsabilityOfTheAmounts) {
    CSolvaraDoc document(*program_);
    const double amounts[][2] = {{1.0, 2.0}, {0.0, 2.0}, {1.0, INFINITY}, {NAN, 2.0}, {-1.0, 2.0}};
    const bool usable[] = {true, false, false, false, true};
    for (std::size_t i = 0; i < std::size(usable); ++i) {
        document.results.firstReagentAmount = amounts[i][0];
        document.results.secondReagentAmount = amounts[i][1];
        EXPECT_EQ(document.CanMakepHCalculator(), usable[i]) << i;
    }
}

TEST_F(SolvaraDocTest, HighAndLowPhBounds) {
    CSolvaraDoc document(*program_);
    for (const auto& [pH, extreme] : {std::pair{1.5, true}, {2.0, true}, {2.01, false},
                                      {11.99, false}, {12.0, true}}) {
        document.inputs.pH = pH;
        EXPECT_EQ(document.IsHighOrLowPh(), extreme) << pH;
    }
}

TEST_F(SolvaraDocTest, ElementUsageAddsTheReagentsAndTheSalt) {
    CSolvaraDoc document(*program_);
    document.buffer.SetFirstReagent(*program_->reagents.FindByName("sodium acetate"));
    document.buffer.SetSecondReagent(*program_->reagents.FindByName("sodium hydroxide"));
    document.salt = *program_->salts.FindByName("sodium chloride, 1M");
    const ElementTable& table = program_->elements;
    const Composition usage = document.ElementUsage();
    EXPECT_EQ(usage[table.find("Na")], 3);
    EXPECT_EQ(usage[table.find("Cl")], 1);
    EXPECT_EQ(usage[table.find("Acetate")], 1);
}

TEST_F(SolvaraDocTest, PickingABufferPreparesItAndIsNoChange) {
    CSolvaraDoc document(*program_);
    document.inputs.pH = 7.0;
    const Buffer& phosphate = *program_->buffers.FindVariant(
        "phosphate buffer 7.2", "sodium dihydrogenphosphate/disodium hydrogenphosphate");
    document.PickBuffer(phosphate);
    EXPECT_EQ(document.title(), phosphate.name);
    EXPECT_FALSE(document.IsModified());
    EXPECT_TRUE(document.HasBothReagents());
    ASSERT_TRUE(document.results.prepared);
    EXPECT_NEAR(document.results.firstReagentConcentration +
                    document.results.secondReagentConcentration,
                0.025, 1e-12);
    EXPECT_TRUE(document.CanMakepHCalculator());
    // The copies stay with the document when the database changes.
    program_->reagents.FindByName("sodium dihydrogenphosphate")->concentration = 2.0;
    EXPECT_EQ(document.buffer.FirstReagent()->concentration, 0.5);

    // A preparation temperature of its own moves the pH of the same composition.
    const std::optional<double> cold = document.PHAtPreparationTemperature(5.0);
    ASSERT_TRUE(cold);
    EXPECT_EQ(document.inputs.preparationTemperature, 5.0);
    EXPECT_NE(*cold, 7.0);
}

TEST_F(SolvaraDocTest, RecalculationNeedsAConcentrationAndBothReagents) {
    CSolvaraDoc document(*program_);
    document.inputs.concentration = 0.0;
    document.results.firstReagentAmount = 5.0;
    EXPECT_EQ(document.Recalculate(), 0);
    EXPECT_EQ(document.results.firstReagentAmount, 0.0);
    EXPECT_FALSE(document.IsModified());

    document.inputs.concentration = 0.025;
    EXPECT_EQ(document.Recalculate(), 0);  // no reagents
    EXPECT_TRUE(document.IsModified());

    // A pH the buffer cannot reach: calculated, nothing to mix.
    document.PickBuffer(*program_->buffers.FindVariant("acetate buffer", "acetic acid/sodium acetate"));
    document.inputs.pH = 9.0;
    EXPECT_EQ(document.Recalculate(), 1);
    EXPECT_FALSE(document.results.prepared);
    EXPECT_FALSE(document.CanMakepHCalculator());
    EXPECT_FALSE(document.results.pHAtPreparation);
}

}  // namespace
}  // namespace solvara
