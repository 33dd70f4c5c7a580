#include "core/buffer/buffer_mixture_ph.h"

#include <gtest/gtest.h>

#include <cmath>

#include "core/equilibrium/ph_calculation_error.h"
#include "support/preparation_fixture.h"

namespace solvara {
namespace {

using MixturePHTest = testing::PreparationTest;

// Charge balance of NaH2PO4 + Na2HPO4 with activity coefficients 1 and the
// starter pKa values (2.148, 7.199, 12.35; Na+ the acid form of sodium
// hydroxide, pKa 13.8; pKw 13.997 at 25 degC), solved by bisection outside
// this code base.
TEST_F(MixturePHTest, PhosphateAtZeroIonicStrengthMatchesTheHandCalculation) {
    Buffer buffer = phosphate72();
    EXPECT_NEAR(MixturePH(buffer, *program, {0.05, 0.05, {25.0, 0.0, true, 0.0, 0.0}}),
                7.1990000624, 1e-6);
    EXPECT_NEAR(MixturePH(buffer, *program, {0.02, 0.08, {25.0, 0.0, true, 0.0, 0.0}}),
                7.8009668180, 1e-6);
    EXPECT_NEAR(MixturePH(buffer, *program, {0.0, 0.1, {25.0, 0.0, true, 0.0, 0.0}}), 9.7178679061,
                1e-6);
}

TEST_F(MixturePHTest, AgreesWithThePHCalculatorForTheSameMixture) {
    struct Case {
        double c1, c2, temperature, addedBase;
        bool force;
        double ionicStrength;
    };
    const Case cases[] = {
        {0.05, 0.05, 25.0, 0.0, false, 0.0},   {0.02, 0.08, 37.0, 0.0, false, 0.0},
        {0.05, 0.05, 25.0, 0.0, false, 0.2},   {0.03, 0.07, 10.0, 0.0, true, 0.5},
        {0.05, 0.05, 25.0, -0.01, false, 0.0}, {0.05, 0.05, 25.0, 0.01, false, 0.1},
        {0.001, 0.0, 0.0, 0.0, false, 0.0},    {0.0, 0.0, 100.0, 0.0, false, 0.0},
    };
    Buffer buffer = phosphate72();
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.c1 << " " << c.c2 << " T=" << c.temperature
                                          << " b=" << c.addedBase << " I=" << c.ionicStrength);
        EXPECT_NEAR(
            MixturePH(buffer, *program,
                      {c.c1, c.c2, {c.temperature, c.addedBase, c.force, c.ionicStrength, 0.0}}),
            calculatorPH(buffer, c.c1, c.c2, c.temperature, c.addedBase, c.force, c.ionicStrength),
            1e-7);
    }
}

// 0.05 M NaH2PO4 + 0.05 M Na2HPO4 at pH 7.2: Na+ 0.15 M, H2PO4- and HPO4--
// about 0.05 M each, so I = 0.5 * (0.15 + 0.05 + 4 * 0.05) = 0.2, all of it
// from the reagents.
TEST_F(MixturePHTest, LeavesTheReagentsShareOfTheIonicStrength) {
    Buffer buffer = phosphate72();
    MixturePH(buffer, *program, {0.05, 0.05, {25.0, 0.0, false, 0.0, 0.0}});
    EXPECT_NEAR(buffer.reagentIonicStrength, 0.2, 2e-3);
    // A salt's increment and a forced value are not the reagents' share.
    MixturePH(buffer, *program, {0.05, 0.05, {25.0, 0.0, false, 0.3, 0.0}});
    EXPECT_NEAR(buffer.reagentIonicStrength, 0.2, 2e-3);
}

TEST_F(MixturePHTest, AStartValueChangesNothingButTheWayThere) {
    Buffer buffer = phosphate72();
    const double fromDefault =
        MixturePH(buffer, *program, {0.05, 0.05, {25.0, 0.0, false, 0.0, 0.0}});
    EXPECT_NEAR(MixturePH(buffer, *program, {0.05, 0.05, {25.0, 0.0, false, 0.0, 1e-3}}),
                fromDefault, 1e-7);
    EXPECT_THROW(MixturePH(buffer, *program, {0.05, 0.05, {25.0, 0.0, false, 0.0, -1e-7}}),
                 pHCalculationError);
}

TEST_F(MixturePHTest, CapacityOfEquimolarPhosphate) {
    // With H2PO4- and HPO4-- equal, base moves the pH by 1/(ln 10 * C / 4)
    // = 17.37 per mol/L. Every mole of it also turns a singly into a doubly
    // charged ion, raising I by 1.5 mol, which lowers log(gamma2/gamma1), and
    // the pH with it, by 3 * A * d/dI[sqrt(I)/(1 + sqrt(I))] = 3 * 0.509 *
    // 0.535 = 0.817 per mol/L at I = 0.2. The capacity is
    // 1 / (17.37 - 1.5 * 0.817) = 0.0619.
    Buffer buffer = phosphate72();
    EXPECT_NEAR(BufferCapacity(buffer, *program, {0.05, 0.05, {25.0, 0.0, false, 0.0}}), 0.0619,
                3e-4);
}

TEST_F(MixturePHTest, AMissingReagentIsAFailedEvaluationAndNoCapacity) {
    Buffer buffer = phosphate72();
    buffer.firstReagentId = 9999;
    EXPECT_THROW(HydrogenActivity(buffer, *program, {0.05, 0.05, {25.0, 0.0, false, 0.0, 0.0}}),
                 pHCalculationError);
    EXPECT_EQ(BufferCapacity(buffer, *program, {0.05, 0.05, {25.0, 0.0, false, 0.0}}), 0.0);
    // An ionic strength that is not a number fails the same way.
    Buffer phosphate = phosphate72();
    EXPECT_EQ(BufferCapacity(phosphate, *program, {0.05, 0.05, {25.0, 0.0, false, std::nan("")}}),
              0.0);
}

// Far outside the activity model: 1000 M of strong base leaves an H+ activity no double can
// hold, and 12 M of strong acid gives a pH that adding base lowers. Neither is a result.
TEST_F(MixturePHTest, FiguresOutsideTheModelAreFailedEvaluationsOrNoCapacity) {
    Buffer acetate = bufferOf("acetic acid", "sodium hydroxide", "acetic acid");
    EXPECT_THROW(MixturePH(acetate, *program, {0.1, 1000.0, {25.0, 0.0, false, 0.0, 0.0}}),
                 pHCalculationError);
    EXPECT_EQ(BufferCapacity(acetate, *program, {0.1, 1000.0, {25.0, 0.0, false, 0.0}}), 0.0);

    Buffer acid = bufferOf("hydrochloric acid", "sodium hydroxide", "hydrochloric acid");
    EXPECT_TRUE(
        std::isfinite(MixturePH(acid, *program, {12.0, 0.0, {25.0, 0.0, false, 0.0, 0.0}})));
    EXPECT_EQ(BufferCapacity(acid, *program, {12.0, 0.0, {25.0, 0.0, false, 0.0}}), 0.0);
    EXPECT_GT(BufferCapacity(acid, *program, {0.01, 0.0, {25.0, 0.0, false, 0.0}}), 0.0);
}

}  // namespace
}  // namespace solvara
