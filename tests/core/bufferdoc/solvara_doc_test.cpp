#include "core/bufferdoc/solvara_doc.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "core/buffer/buffer_origin.h"
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
    defaults.concentrationUnit = ConcentrationUnit::millimolar;
    defaults.volume = 2.0;
    defaults.temperature = 37.0;
    defaults.preparationTemperature = 20.0;
    defaults.forceIonicStrength = true;
    defaults.ionicStrength = 0.15;
    const CSolvaraDoc document(*program_);
    EXPECT_EQ(document.inputs().pH, 4.5);
    EXPECT_DOUBLE_EQ(document.inputs().concentration, 0.05);
    EXPECT_EQ(document.concentrationShown(), 50.0);
    EXPECT_EQ(document.inputs().volume, 2.0);
    EXPECT_EQ(document.inputs().temperature, 37.0);
    EXPECT_EQ(document.inputs().preparationTemperature, 20.0);
    EXPECT_TRUE(document.inputs().forceIonicStrength);
    EXPECT_TRUE(document.results().lowForcingWarning);
    EXPECT_EQ(document.inputs().ionicStrength, 0.15);
    EXPECT_FALSE(document.results().pHAtPreparation);
    EXPECT_FALSE(document.HasBothReagents());
    EXPECT_FALSE(document.CanMakepHCalculator());
    EXPECT_FALSE(document.IsModified());
}

TEST_F(SolvaraDocTest, UnitChangesKeepTheStoredValue) {
    CSolvaraDoc document(*program_);
    document.setConcentrationUnit(ConcentrationUnit::molar);
    document.setConcentrationShown(0.025);
    document.setConcentrationUnit(ConcentrationUnit::millimolar);
    EXPECT_DOUBLE_EQ(document.concentrationShown(), 25.0);
    document.setVolumeUnit(VolumeUnit::litres);
    document.setVolumeShown(0.75);
    document.setVolumeUnit(VolumeUnit::millilitres);
    EXPECT_DOUBLE_EQ(document.volumeShown(), 750.0);
    document.setVolumeShown(100.0);
    EXPECT_DOUBLE_EQ(document.inputs().volume, 0.1);
    document.setVolumeUnit(VolumeUnit::litres);
    EXPECT_DOUBLE_EQ(document.volumeShown(), 0.1);
}

TEST_F(SolvaraDocTest, ForcingBringsInAndTakesAwayOnlyTheDefaultSalt) {
    const InertSalt& defaultSalt = *program_->salts.DefaultSalt();
    CSolvaraDoc document(*program_);
    document.SetForceIonicStrength(true);
    EXPECT_EQ(document.salt().name, defaultSalt.name);
    document.SetForceIonicStrength(false);
    EXPECT_TRUE(document.salt().name.empty());

    document.setSalt(*program_->salts.FindByName("magnesium chloride, 1M"));
    document.SetForceIonicStrength(true);
    EXPECT_EQ(document.salt().name, "magnesium chloride, 1M");
    document.SetForceIonicStrength(false);
    EXPECT_EQ(document.salt().name, "magnesium chloride, 1M");
}

TEST_F(SolvaraDocTest, UsabilityOfTheAmounts) {
    const double amounts[][2] = {{1.0, 2.0}, {0.0, 2.0}, {1.0, INFINITY}, {NAN, 2.0}, {-1.0, 2.0}};
    const bool usable[] = {true, false, false, false, true};
    for (std::size_t i = 0; i < std::size(usable); ++i) {
        BufferPreparationResults results;
        results.firstReagentAmount = amounts[i][0];
        results.secondReagentAmount = amounts[i][1];
        EXPECT_EQ(canMakepHCalculator(results), usable[i]) << i;
    }
}

TEST_F(SolvaraDocTest, HighAndLowPhBounds) {
    CSolvaraDoc document(*program_);
    for (const auto& [pH, extreme] :
         {std::pair{1.5, true}, {2.0, true}, {2.01, false}, {11.99, false}, {12.0, true}}) {
        document.setPH(pH);
        EXPECT_EQ(document.IsHighOrLowPh(), extreme) << pH;
    }
}

TEST_F(SolvaraDocTest, ElementUsageAddsTheReagentsAndTheSalt) {
    CSolvaraDoc document(*program_);
    document.setFirstReagent(*program_->reagents.FindByName("sodium acetate"));
    document.setSecondReagent(*program_->reagents.FindByName("sodium hydroxide"));
    document.setSalt(*program_->salts.FindByName("sodium chloride, 1M"));
    const ElementTable& table = program_->elements;
    const Composition usage = document.ElementUsage();
    EXPECT_EQ(usage[table.find("Na")], 3);
    EXPECT_EQ(usage[table.find("Cl")], 1);
    EXPECT_EQ(usage[table.find("Acetate")], 1);
}

TEST_F(SolvaraDocTest, PickingABufferPreparesItAndIsNoChange) {
    CSolvaraDoc document(*program_);
    document.setPH(7.0);
    const Buffer& phosphate = *program_->buffers.FindVariant(
        "phosphate buffer 7.2", "sodium dihydrogenphosphate/disodium hydrogenphosphate");
    document.PickBuffer(phosphate);
    EXPECT_EQ(document.title(), phosphate.name);
    EXPECT_FALSE(document.IsModified());
    EXPECT_TRUE(document.HasBothReagents());
    ASSERT_TRUE(document.results().prepared);
    EXPECT_NEAR(document.results().firstReagentConcentration +
                    document.results().secondReagentConcentration,
                0.025, 1e-12);
    EXPECT_TRUE(document.CanMakepHCalculator());
    // The copies stay with the document when the database changes.
    program_->reagents.FindByName("sodium dihydrogenphosphate")->concentration = 2.0;
    EXPECT_EQ(document.buffer().FirstReagent()->concentration, 0.5);

    // A preparation temperature of its own moves the pH of the same composition.
    document.setPreparationTemperature(5.0);
    const std::optional<double> cold = document.results().pHAtPreparation;
    ASSERT_TRUE(cold);
    EXPECT_EQ(document.inputs().preparationTemperature, 5.0);
    EXPECT_NE(*cold, 7.0);
}

TEST_F(SolvaraDocTest, ThePickedBufferIsFoundInTheDatabaseUntilItIsRenamed) {
    CSolvaraDoc document(*program_);
    const char* variant = "sodium dihydrogenphosphate/disodium hydrogenphosphate";
    document.PickBuffer(*program_->buffers.FindVariant("phosphate buffer 7.2", variant));
    const std::optional<BufferOrigin> origin =
        findBufferOrigin(document.buffer(), program_->buffers);
    ASSERT_TRUE(origin);
    EXPECT_EQ(origin->groupName, "phosphate buffer 7.2");
    EXPECT_EQ(origin->variantName, variant);

    document.setBufferName("my phosphate");
    EXPECT_FALSE(findBufferOrigin(document.buffer(), program_->buffers));
}

TEST_F(SolvaraDocTest, BuffersAndReagentsFromTheDatabaseEditorsAreChanges) {
    CSolvaraDoc document(*program_);
    document.setConcentrationShown(0.1);
    document.setVolumeShown(1.0);
    const char* variant = "sodium dihydrogenphosphate/disodium hydrogenphosphate";
    document.setBuffer(*program_->buffers.FindVariant("phosphate buffer 7.2", variant));
    EXPECT_EQ(document.title(), variant);
    EXPECT_TRUE(document.IsModified());
    EXPECT_TRUE(document.results().prepared);
    ASSERT_TRUE(findBufferOrigin(document.buffer(), program_->buffers));

    document.takeReagentFromDatabase(2, *program_->reagents.FindByName("sodium hydroxide"));
    EXPECT_EQ(document.buffer().SecondReagent()->name, "sodium hydroxide");
    EXPECT_EQ(document.buffer().name, "sodium dihydrogenphosphate+sodium hydroxide");
    EXPECT_EQ(document.title(), document.buffer().name);
    EXPECT_EQ(document.buffer().id, -1);
    EXPECT_EQ(document.inputs().volume, 1.0);
    EXPECT_FALSE(findBufferOrigin(document.buffer(), program_->buffers));
}

TEST_F(SolvaraDocTest, RecalculationNeedsAConcentrationAndBothReagents) {
    CSolvaraDoc picked(*program_);
    picked.PickBuffer(
        *program_->buffers.FindVariant("acetate buffer", "acetic acid/sodium acetate"));
    ASSERT_GT(picked.results().firstReagentAmount, 0.0);
    picked.setConcentrationShown(0.0);
    picked.SetModifiedFlag(false);
    EXPECT_EQ(picked.Recalculate(), 0);
    EXPECT_EQ(picked.results().firstReagentAmount, 0.0);
    EXPECT_FALSE(picked.IsModified());
    EXPECT_EQ(picked.preparationFailure(), PreparationFailure::noConcentration);

    CSolvaraDoc document(*program_);
    document.setConcentrationUnit(ConcentrationUnit::molar);
    document.setConcentrationShown(0.025);
    document.SetModifiedFlag(false);
    EXPECT_EQ(document.Recalculate(), 0);  // no reagents
    EXPECT_TRUE(document.IsModified());
    EXPECT_EQ(document.preparationFailure(), PreparationFailure::notPrepared);

    // A pH the buffer cannot reach: calculated, nothing to mix.
    document.PickBuffer(
        *program_->buffers.FindVariant("acetate buffer", "acetic acid/sodium acetate"));
    document.setPH(9.0);
    EXPECT_EQ(document.Recalculate(), 1);
    EXPECT_FALSE(document.results().prepared);
    EXPECT_FALSE(document.CanMakepHCalculator());
    EXPECT_FALSE(document.results().pHAtPreparation);
    EXPECT_EQ(document.preparationFailure(), PreparationFailure::notPrepared);
}

// Every edit marks the document, the unit changes and forcing included; what changed comes back.
TEST_F(SolvaraDocTest, EditsMarkTheDocumentAndSayWhatChanged) {
    CSolvaraDoc document(*program_);
    const Buffer& acetate =
        *program_->buffers.FindVariant("acetate buffer", "acetic acid/sodium acetate");
    EXPECT_EQ(document.PickBuffer(acetate),
              DocumentChange::rows | DocumentChange::results | DocumentChange::title);
    EXPECT_FALSE(document.IsModified());
    EXPECT_EQ(document.setPH(4.5),
              DocumentChange::inputs | DocumentChange::results | DocumentChange::modified);
    const auto marks = [&document](const std::function<DocumentChange()>& edit) {
        document.SetModifiedFlag(false);
        return has(edit(), DocumentChange::modified) && document.IsModified();
    };
    EXPECT_TRUE(marks([&] { return document.SetForceIonicStrength(true); }));
    EXPECT_TRUE(marks([&] { return document.setVolumeUnit(VolumeUnit::millilitres); }));
    EXPECT_TRUE(
        marks([&] { return document.setConcentrationUnit(ConcentrationUnit::millimolar); }));
    EXPECT_TRUE(marks([&] { return document.setPreparationTemperature(10.0); }));
    EXPECT_TRUE(marks([&] { return document.setBufferName("my acetate"); }));
    EXPECT_EQ(document.title(), "my acetate");
    EXPECT_EQ(document.preparationFailure(), PreparationFailure::none);
}

}  // namespace
}  // namespace solvara
