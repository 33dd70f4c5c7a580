#include "core/bufferdoc/ph_calculator_from_buffer.h"

#include <gtest/gtest.h>

#include "core/bufferdoc/solvara_doc.h"
#include "core/program/program_model.h"

namespace solvara {
namespace {

class PhCalculatorFromBufferTest : public ::testing::Test {
  protected:
    PhCalculatorFromBufferTest() {
        document.setPH(4.8);
        document.PickBuffer(
            *program->buffers.FindVariant("acetate buffer", "acetic acid/sodium acetate"));
    }

    std::shared_ptr<ProgramModel> program = makeStarterProgramModel();
    CSolvaraDoc document{*program};
};

TEST_F(PhCalculatorFromBufferTest, TheRecipeMixedInTheCalculatorHasTheWantedPh) {
    const auto calculator = MakepHCalculatorFromBuffer(document);
    EXPECT_EQ(calculator->title(), "acetic acid+sodium acetate");
    ASSERT_EQ(calculator->reagentCount(), 2);
    EXPECT_EQ(calculator->reagentAt(0).name, "acetic acid");
    EXPECT_EQ(calculator->reagentAt(0).volume, document.results().firstReagentAmount);
    EXPECT_EQ(calculator->reagentAt(1).volume, document.results().secondReagentAmount);
    EXPECT_EQ(calculator->volumeMode(), VolumeMode::finalVolume);
    EXPECT_EQ(calculator->solutionVolume(), 1000.0);
    EXPECT_EQ(calculator->ionicStrengthMode(), IonicStrengthMode::calculateIonicStrength);
    EXPECT_NE(calculator->acids().FindByName("acetic acid"), nullptr);
    EXPECT_TRUE(calculator->IsModified());
    calculator->recalculate();
    ASSERT_TRUE(calculator->resultsValid());
    EXPECT_NEAR(calculator->pH(), 4.8, 0.005);
}

TEST_F(PhCalculatorFromBufferTest, SolidsBecomeSolutionsInTheFinalVolumeAndTheSaltIsAdded) {
    document.setSecondReagent(*program->reagents.FindByName("sodium acetate, solid"));
    document.setVolumeUnit(VolumeUnit::litres);
    document.setVolumeShown(0.5);
    document.SetForceIonicStrength(true);
    document.setIonicStrength(0.1);
    ASSERT_EQ(document.Recalculate(), 1);
    ASSERT_TRUE(document.results().prepared);

    const auto calculator = MakepHCalculatorFromBuffer(document);
    ASSERT_EQ(calculator->reagentCount(), 3);
    const ReagentpHCalculator& solid = calculator->reagentAt(1);
    EXPECT_FALSE(solid.isSolid);
    EXPECT_EQ(solid.volume, 500.0);
    EXPECT_NEAR(solid.concentration * 0.5, document.results().secondReagentConcentration * 0.5,
                1e-12);
    EXPECT_NEAR(solid.concentrationData.mass, document.results().secondReagentAmount, 1e-12);
    const ReagentpHCalculator& salt = calculator->reagentAt(2);
    EXPECT_EQ(salt.name, document.salt().name);
    EXPECT_EQ(salt.volume, *document.results().saltAmount);
    EXPECT_EQ(calculator->ionicStrengthMode(), IonicStrengthMode::forceIonicStrength);
    EXPECT_EQ(calculator->ionicStrength(), 0.1);
    calculator->recalculate();
    ASSERT_TRUE(calculator->resultsValid());
    EXPECT_NEAR(calculator->pH(), 4.8, 0.005);
}

}  // namespace
}  // namespace solvara
