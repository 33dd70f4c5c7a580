#include "core/buffer/buffer_preparation_results.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>

#include "core/buffer/buffer_mixture_ph.h"
#include "core/buffer/buffer_preparation.h"
#include "core/buffer/inert_salt.h"
#include "core/buffer/prepared_mixture_ph.h"
#include "core/buffer/standalone_buffer.h"
#include "support/preparation_fixture.h"

namespace solvara {
namespace {

class RecalculatePreparationTest : public testing::PreparationTest {
  protected:
    RecalculatePreparationTest() {
        inputs.pH = 7.4;
        inputs.concentration = 0.1;
        inputs.volume = 0.5;
        inputs.temperature = 25.0;
        inputs.preparationTemperature = 37.0;
    }

    // The reagents' ionic strength of the composition a search at this forced
    // value finds; the recalculation itself goes on to other evaluations.
    double ownIonicStrengthForcedAt(double forcedValue) {
        Buffer fresh = phosphate72();
        double c1 = 0.0;
        double c2 = 0.0;
        EXPECT_TRUE(PrepareBuffer(
            fresh, *program,
            {inputs.pH, inputs.concentration, inputs.temperature, true, forcedValue}, c1, c2));
        return fresh.reagentIonicStrength;
    }

    PreparationOutcome recalculate() {
        return recalculatePreparation(buffer, salt, inputs, results, *program);
    }

    Buffer buffer = phosphate72();
    InertSalt salt = *program->salts.FindByName("sodium chloride, 1M");
    BufferPreparationInputs inputs;
    BufferPreparationResults results;
};

void expectAllFigures(const BufferPreparationResults& results, bool finite) {
    for (const double figure :
         {results.firstReagentConcentration, results.secondReagentConcentration,
          results.saltIonicStrength, results.capacity.value_or(0.0), results.firstReagentAmount,
          results.secondReagentAmount}) {
        EXPECT_EQ(std::isfinite(figure), finite) << figure;
    }
}

void expectFailedPreparation(const BufferPreparationResults& results) {
    EXPECT_FALSE(results.prepared);
    EXPECT_EQ(results.firstReagentConcentration, 0.0);
    EXPECT_EQ(results.secondReagentConcentration, 0.0);
    EXPECT_FALSE(results.capacity.has_value());
    EXPECT_EQ(results.firstReagentAmount, 0.0);
    EXPECT_EQ(results.secondReagentAmount, 0.0);
    EXPECT_EQ(results.saltAmount, 0.0);
    EXPECT_FALSE(results.pHAtPreparation.has_value());
}

TEST_F(RecalculatePreparationTest, PhosphateGivesStockVolumesCapacityAndItsOwnIonicStrength) {
    ASSERT_EQ(recalculate(), PreparationOutcome::calculated);
    ASSERT_TRUE(results.prepared);
    const double c1 = results.firstReagentConcentration;
    const double c2 = results.secondReagentConcentration;
    EXPECT_NEAR(c1 + c2, 0.1, 1e-15);
    // Stocks of 0.5 M NaH2PO4 and 1 M Na2HPO4 for 0.5 L.
    EXPECT_DOUBLE_EQ(results.firstReagentAmount, 1000.0 * c1 * 0.5 / 0.5);
    EXPECT_DOUBLE_EQ(results.secondReagentAmount, 1000.0 * c2 * 0.5 / 1.0);
    // pKa2 is near 6.9 at this ionic strength, so HPO4-- is the larger part,
    // and I = 0.5 * (Na+ (c1 + 2 c2) + c1 + 4 c2) = c1 + 3 c2 nearly.
    EXPECT_GT(c2, 2.0 * c1);
    EXPECT_NEAR(inputs.ionicStrength, c1 + 3.0 * c2, 1e-3);
    EXPECT_EQ(results.saltIonicStrength, 0.0);
    EXPECT_EQ(results.saltConcentration, 0.0);
    EXPECT_EQ(results.saltAmount, 0.0);
    EXPECT_FALSE(results.lowForcingWarning);
    // Capacity of HPO4--/H2PO4- alone, 2.303 * C * a * (1 - a) with a the
    // HPO4-- share; water adds nothing at this pH.
    const double share = c2 / 0.1;
    ASSERT_TRUE(results.capacity.has_value());
    EXPECT_NEAR(*results.capacity, 2.303 * 0.1 * share * (1.0 - share), 2e-3);
    // The same mixture at the preparation temperature, 37 degC.
    ASSERT_TRUE(results.pHAtPreparation.has_value());
    EXPECT_NEAR(*results.pHAtPreparation, calculatorPH(buffer, c1, c2, 37.0, 0.0, false, 0.0),
                1e-7);
    EXPECT_LT(*results.pHAtPreparation, 7.4 - 0.02);
}

TEST_F(RecalculatePreparationTest, AForcedIonicStrengthIsMadeUpWithTheSalt) {
    inputs.forceIonicStrength = true;
    inputs.ionicStrength = 0.5;
    ASSERT_EQ(recalculate(), PreparationOutcome::calculated);
    ASSERT_TRUE(results.prepared);
    const double own = ownIonicStrengthForcedAt(0.5);
    EXPECT_EQ(results.saltIonicStrength, 0.5 - own);
    // NaCl gives its own concentration of ionic strength; 1 M stock.
    ASSERT_TRUE(results.saltConcentration.has_value());
    EXPECT_DOUBLE_EQ(*results.saltConcentration, 0.5 - own);
    EXPECT_DOUBLE_EQ(*results.saltAmount, 1000.0 * (0.5 - own) * 0.5);
    EXPECT_EQ(inputs.ionicStrength, 0.5);
    // The composition has the wanted pH at the forced ionic strength.
    EXPECT_NEAR(MixturePH(buffer, *program,
                          {results.firstReagentConcentration,
                           results.secondReagentConcentration,
                           {25.0, 0.0, true, 0.5, 0.0}}),
                7.4, 0.0049);

    salt = *program->salts.FindByName("sodium chloride, solid");
    ASSERT_EQ(recalculate(), PreparationOutcome::calculated);
    EXPECT_DOUBLE_EQ(*results.saltAmount, 0.5 * *results.saltConcentration * salt.molarMass);
}

TEST_F(RecalculatePreparationTest, ASaltThatCannotRaiseTheIonicStrengthHasNoAmount) {
    inputs.forceIonicStrength = true;
    inputs.ionicStrength = 0.5;
    salt = InertSalt{};  // no ions
    ASSERT_EQ(recalculate(), PreparationOutcome::calculated);
    EXPECT_TRUE(results.prepared);
    EXPECT_FALSE(results.saltConcentration.has_value());
    EXPECT_FALSE(results.saltAmount.has_value());
    expectAllFigures(results, true);

    salt = *program->salts.FindByName("sodium chloride, 1M");
    salt.concentration = 0.0;
    ASSERT_EQ(recalculate(), PreparationOutcome::calculated);
    EXPECT_FALSE(results.saltAmount.has_value());
}

// The buffer's own ionic strength depends on the composition, which depends
// on the forced value; a few rounds of forcing `ratio` times the own value
// settle on a forced value at that ratio.
TEST_F(RecalculatePreparationTest, ForcingBelowTheBuffersOwnIonicStrengthAddsNoSalt) {
    struct Case {
        double ratio;
        bool warning;
    };
    const Case cases[] = {{0.5, true}, {0.998, true}, {0.9995, false}};
    inputs.forceIonicStrength = true;
    salt = InertSalt{};  // would have no amount if any salt were asked for
    for (const Case& c : cases) {
        SCOPED_TRACE(c.ratio);
        inputs.ionicStrength = 0.25;
        for (int round = 0; round < 30; ++round) {
            inputs.ionicStrength = c.ratio * ownIonicStrengthForcedAt(inputs.ionicStrength);
        }
        ASSERT_NEAR(inputs.ionicStrength / ownIonicStrengthForcedAt(inputs.ionicStrength), c.ratio,
                    1e-7);
        ASSERT_EQ(recalculate(), PreparationOutcome::calculated);
        ASSERT_TRUE(results.prepared);
        EXPECT_EQ(results.lowForcingWarning, c.warning);
        EXPECT_EQ(results.saltIonicStrength, 0.0);
        EXPECT_EQ(results.saltConcentration, 0.0);
        EXPECT_EQ(results.saltAmount, 0.0);
    }
}

TEST_F(RecalculatePreparationTest, AFailedSearchLeavesNoResultsButKeepsAForcedValue) {
    inputs.pH = 12.0;  // beyond Na2HPO4 alone
    ASSERT_EQ(recalculate(), PreparationOutcome::calculated);
    expectFailedPreparation(results);
    EXPECT_EQ(inputs.ionicStrength, 0.0);

    inputs.forceIonicStrength = true;
    inputs.ionicStrength = 0.3;
    ASSERT_EQ(recalculate(), PreparationOutcome::calculated);
    expectFailedPreparation(results);
    EXPECT_EQ(inputs.ionicStrength, 0.3);
}

TEST_F(RecalculatePreparationTest, BuffersThatCannotMakeAnyCompositionFailWithFiniteFigures) {
    {
        SCOPED_TRACE("no main component");
        buffer.SetMainComponent(-1);
        ASSERT_EQ(recalculate(), PreparationOutcome::calculated);
        expectFailedPreparation(results);
        expectAllFigures(results, true);
    }
    {
        SCOPED_TRACE("a solid carrier with a stock concentration of 0");
        Reagent& solid = reagent("sodium acetate, solid");
        solid.concentration = 0.0;
        buffer = bufferOf("sodium acetate, solid", "hydrochloric acid", "acetic acid");
        inputs.pH = 4.7;
        ASSERT_EQ(recalculate(), PreparationOutcome::calculated);
        expectFailedPreparation(results);
        expectAllFigures(results, true);
        // The same buffer with the stock field the starter gives it works,
        // and the solid is weighed.
        solid.concentration = 1.0;
        ASSERT_EQ(recalculate(), PreparationOutcome::calculated);
        ASSERT_TRUE(results.prepared);
        EXPECT_DOUBLE_EQ(results.firstReagentAmount, 0.1 * 0.5 * solid.molarMass);
    }
    {
        SCOPED_TRACE("a final volume that is not a number");
        buffer = phosphate72();
        inputs.pH = 7.4;
        inputs.volume = std::nan("");
        ASSERT_EQ(recalculate(), PreparationOutcome::calculated);
        expectFailedPreparation(results);
    }
}

TEST_F(RecalculatePreparationTest, IncompleteInputsOnlyResetTheAmounts) {
    ASSERT_EQ(recalculate(), PreparationOutcome::calculated);
    const double c1 = results.firstReagentConcentration;
    buffer.capacityCurve.assign(280, 1.0);

    inputs.concentration = 0.0;
    EXPECT_EQ(recalculate(), PreparationOutcome::noConcentration);
    EXPECT_EQ(results.firstReagentAmount, 0.0);
    EXPECT_EQ(results.firstReagentConcentration, c1);
    EXPECT_FALSE(buffer.capacityCurve.empty());

    inputs.concentration = 0.1;
    reagent("sodium dihydrogenphosphate").concentration = 0.0;
    EXPECT_EQ(recalculate(), PreparationOutcome::incompleteBuffer);
    EXPECT_EQ(results.secondReagentAmount, 0.0);
    EXPECT_EQ(results.firstReagentConcentration, c1);

    reagent("sodium dihydrogenphosphate").concentration = 0.5;
    buffer.firstReagentId = 9999;
    EXPECT_EQ(recalculate(), PreparationOutcome::incompleteBuffer);

    buffer = phosphate72();
    buffer.capacityCurve.assign(280, 1.0);
    ASSERT_EQ(recalculate(), PreparationOutcome::calculated);
    EXPECT_TRUE(buffer.capacityCurve.empty());
}

// A temperature step of phosphoric acid so steep that its constant overflows
// below about 12 degC: those pH values cannot be calculated, the rest can.
TEST_F(RecalculatePreparationTest, APHThatCannotBeCalculatedIsNotAvailableAndTheRestStays) {
    StandaloneBuffer standalone(*program);
    standalone = phosphate72();
    standalone.acidDatabase().FindByName("phosphoric acid")->setDpKadT(1, 25.0);
    inputs.preparationTemperature = 5.0;
    ASSERT_EQ(recalculatePreparation(standalone, salt, inputs, results, *program),
              PreparationOutcome::calculated);
    ASSERT_TRUE(results.prepared);
    EXPECT_FALSE(results.pHAtPreparation.has_value());
    EXPECT_GT(results.capacity, 0.0);
    EXPECT_GT(results.firstReagentAmount, 0.0);

    const TemperatureSeries series = PHVersusTemperature(standalone, *program, results);
    EXPECT_FALSE(series[0].has_value());
    ASSERT_TRUE(series[25].has_value());
    EXPECT_NEAR(*series[25], 7.4, 0.0049);
    ASSERT_TRUE(series[100].has_value());
    const auto range = PHRange(series);
    ASSERT_TRUE(range.has_value());
    EXPECT_LE(range->first, *series[100]);
    EXPECT_GE(range->second, *series[25]);

    inputs.preparationTemperature = std::nan("");
    ASSERT_EQ(recalculate(), PreparationOutcome::calculated);
    EXPECT_FALSE(results.pHAtPreparation.has_value());
    EXPECT_TRUE(results.prepared);
}

// Every stock solution takes up its own volume in the final one, a solid none. A composition
// whose stocks add up to more is found, with its amounts, but cannot be made.
TEST_F(RecalculatePreparationTest, StocksThatAddUpToMoreThanTheVolumeAreFlagged) {
    struct Case {
        const char* what;
        Buffer buffer;
        double pH;
        double concentration;
        std::optional<double> forced;  // with the salt below
        const char* salt;
        bool exceeds;
    };
    const Case cases[] = {
        {"phosphate from its stocks", phosphate72(), 7.4, 0.1, std::nullopt, "", false},
        // 0.32 M of acetate from a 0.3 M stock alone needs more than the final volume.
        {"acetate from a dilute stock", bufferOf("acetic acid", "sodium acetate", "acetic acid"),
         5.0, 0.5, std::nullopt, "", true},
        {"acetate weighed as a solid",
         bufferOf("acetic acid", "sodium acetate, solid", "acetic acid"), 5.0, 0.5, std::nullopt,
         "", false},
        // About 1.26 M of salt from a 1 M stock.
        {"a salt stock", phosphate72(), 7.4, 0.1, 1.5, "sodium chloride, 1M", true},
        {"a solid salt", phosphate72(), 7.4, 0.1, 1.5, "sodium chloride, solid", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        buffer = c.buffer;
        inputs.pH = c.pH;
        inputs.concentration = c.concentration;
        inputs.forceIonicStrength = c.forced.has_value();
        inputs.ionicStrength = c.forced.value_or(0.0);
        if (c.forced) salt = *program->salts.FindByName(c.salt);
        ASSERT_EQ(recalculate(), PreparationOutcome::calculated);
        ASSERT_TRUE(results.prepared);
        EXPECT_EQ(results.stocksExceedVolume, c.exceeds);
        EXPECT_GT(results.firstReagentAmount, 0.0);
        EXPECT_GT(results.secondReagentAmount, 0.0);
    }
    buffer = bufferOf("acetic acid", "sodium acetate", "acetic acid");
    inputs = BufferPreparationInputs{5.0, 0.5, 0.5};
    ASSERT_EQ(recalculate(), PreparationOutcome::calculated);
    EXPECT_GT(results.secondReagentAmount, 1000.0 * inputs.volume);
    ASSERT_TRUE(results.stocksExceedVolume);
    inputs.concentration = 0.0;
    EXPECT_EQ(recalculate(), PreparationOutcome::noConcentration);
    EXPECT_FALSE(results.stocksExceedVolume) << "nothing to take any more";
}

}  // namespace
}  // namespace solvara
