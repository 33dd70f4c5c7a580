#include "core/buffer/solvara_doc.h"

#include <cmath>

#include <gtest/gtest.h>

#include "core/database/program_model.h"

namespace solvara {
namespace {

class SolvaraDocTest : public ::testing::Test {
  protected:
    std::unique_ptr<ProgramModel> program_ = makeStarterProgramModel();
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
    EXPECT_EQ(document.pH, 4.5);
    EXPECT_DOUBLE_EQ(document.concentration, 0.05);
    EXPECT_EQ(document.concentrationShown, 50.0);
    EXPECT_EQ(document.volume, 2.0);
    EXPECT_EQ(document.temperature, 37.0);
    EXPECT_EQ(document.preparationTemperature, 20.0);
    EXPECT_TRUE(document.forceIonicStrength);
    EXPECT_TRUE(document.lowForcingWarning);
    EXPECT_EQ(document.ionicStrength, 0.15);
    EXPECT_EQ(document.pHAtPreparation, -101.0);
    EXPECT_FALSE(document.HasBothReagents());
    EXPECT_FALSE(document.CanMakepHCalculator());
    EXPECT_FALSE(document.IsModified());
}

TEST_F(SolvaraDocTest, UnitChangesKeepTheStoredValue) {
    CSolvaraDoc document(*program_);
    document.concentration = 0.025;
    document.concentrationUnit = 1;
    document.ConcentrationToShown();
    EXPECT_DOUBLE_EQ(document.concentrationShown, 25.0);
    document.volume = 0.75;
    document.volumeUnit = 1;
    document.VolumeToShown();
    EXPECT_DOUBLE_EQ(document.volumeShown, 750.0);
    document.volumeShown = 100.0;
    document.VolumeFromShown();
    EXPECT_DOUBLE_EQ(document.volume, 0.1);
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
        document.firstReagentAmount = amounts[i][0];
        document.secondReagentAmount = amounts[i][1];
        EXPECT_EQ(document.CanMakepHCalculator(), usable[i]) << i;
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

}  // namespace
}  // namespace solvara
