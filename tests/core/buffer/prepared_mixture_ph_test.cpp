#include "core/buffer/prepared_mixture_ph.h"

#include <gtest/gtest.h>

#include <cstddef>

#include "core/buffer/buffer_preparation_results.h"
#include "core/buffer/inert_salt.h"
#include "support/preparation_fixture.h"

namespace solvara {
namespace {

class PreparedMixturePHTest : public testing::PreparationTest {
  protected:
    PreparedMixturePHTest() {
        inputs.pH = 7.4;
        inputs.concentration = 0.1;
        inputs.volume = 1.0;
        inputs.forceIonicStrength = true;
        inputs.ionicStrength = 0.4;
    }

    Buffer buffer = phosphate72();
    InertSalt salt = *program->salts.FindByName("sodium chloride, 1M");
    BufferPreparationInputs inputs;
    BufferPreparationResults results;
};

// The composition is held; acid or base and the temperature change its pH
// as the pH calculator finds for the same mixture, the salt's increment
// added to the ionic strength.
TEST_F(PreparedMixturePHTest, AcidBaseAndTemperatureActOnTheHeldComposition) {
    ASSERT_EQ(recalculatePreparation(buffer, salt, inputs, results, *program),
              PreparationOutcome::calculated);
    ASSERT_GT(results.saltIonicStrength, 0.0);
    const double c1 = results.firstReagentConcentration;
    const double c2 = results.secondReagentConcentration;
    const double salted = results.saltIonicStrength;

    const ExpectedPHChanges changes = ExpectedPHChangesAt(buffer, *program, results, 25.0);
    for (std::size_t i = 0; i < changes.size(); ++i) {
        SCOPED_TRACE(kExpectedChangeAdditions[i]);
        ASSERT_TRUE(changes[i].has_value());
        EXPECT_NEAR(*changes[i],
                    calculatorPH(buffer, c1, c2, 25.0, kExpectedChangeAdditions[i], false, salted),
                    1e-7);
        if (i > 0) {
            EXPECT_GT(*changes[i], *changes[i - 1]);
        }
    }
    // Acid lowers the pH below the wanted one, base raises it above.
    EXPECT_LT(*changes[2], 7.4);
    EXPECT_GT(*changes[3], 7.4);

    const TemperatureSeries series = PHVersusTemperature(buffer, *program, results);
    for (const std::size_t degrees : {0u, 37u, 100u}) {
        ASSERT_TRUE(series[degrees].has_value());
        EXPECT_NEAR(*series[degrees],
                    calculatorPH(buffer, c1, c2, static_cast<double>(degrees), 0.0, false, salted),
                    1e-7);
    }
    // pKa2 of phosphate falls as it warms.
    EXPECT_EQ(PHRange(series), (std::pair{*series[100], *series[0]}));
}

TEST_F(PreparedMixturePHTest, NoCompositionHasNoPH) {
    inputs.pH = 13.0;
    ASSERT_EQ(recalculatePreparation(buffer, salt, inputs, results, *program),
              PreparationOutcome::calculated);
    ASSERT_FALSE(results.prepared);
    EXPECT_FALSE(PreparedPHAt(buffer, *program, results, 25.0).has_value());
    for (const auto& pH : ExpectedPHChangesAt(buffer, *program, results, 25.0)) {
        EXPECT_FALSE(pH.has_value());
    }
    EXPECT_FALSE(PHRange(PHVersusTemperature(buffer, *program, results)).has_value());
}

// A composition far outside the activity model, as a damaged design may hold: 1000 M of strong
// base leaves an H+ activity no double can hold at any temperature or addition, so every value
// is not available rather than a pH of infinity.
TEST_F(PreparedMixturePHTest, ACompositionOutsideTheModelHasNoPHAnywhere) {
    buffer = bufferOf("acetic acid", "sodium hydroxide", "acetic acid");
    results.prepared = true;
    results.firstReagentConcentration = 0.1;
    results.secondReagentConcentration = 1000.0;
    EXPECT_FALSE(PreparedPHAt(buffer, *program, results, 25.0).has_value());
    for (const auto& pH : ExpectedPHChangesAt(buffer, *program, results, 25.0)) {
        EXPECT_FALSE(pH.has_value());
    }
    EXPECT_FALSE(PHRange(PHVersusTemperature(buffer, *program, results)).has_value());
}

}  // namespace
}  // namespace solvara
