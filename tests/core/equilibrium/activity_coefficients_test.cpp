#include "core/equilibrium/activity_coefficients.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>

namespace solvara {
namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kDefaultDaviesC = -0.3;

void expectNoCorrection(const ActivityCoefficients& coefficients) {
    for (int charge = -12; charge <= 12; ++charge) {
        SCOPED_TRACE(charge);
        EXPECT_EQ(coefficients.gamma(charge), 1.0);
        EXPECT_EQ(coefficients.logGamma(charge), 0.0);
    }
}

TEST(ActivityCoefficients, DefaultAndZeroIonicStrengthCorrectNothing) {
    expectNoCorrection(ActivityCoefficients());
    for (const double daviesC : {-1.0, kDefaultDaviesC, 0.0}) {
        SCOPED_TRACE(daviesC);
        expectNoCorrection(ActivityCoefficients(0.0, 25, daviesC, false));
        expectNoCorrection(ActivityCoefficients(-0.2, 25, daviesC, false));  // counts as 0
    }
}

TEST(ActivityCoefficients, DaviesEquationWithTheLinearTermAsItStands) {
    struct Case {
        double ionicStrength;
        double temperature;
        double daviesC;
        int charge;
        double logGamma;
    };
    const Case cases[] = {
        {0.1, 25, -0.3, 1, -0.15237338},
        {0.1, 25, -0.3, -1, -0.15237338},
        {0.1, 25, -0.3, 2, -0.51949354},
        {0.1, 25, -0.3, -2, -0.51949354},
        {0.1, 25, -0.3, 3, -1.13136046},
        {0.1, 25, -0.3, 6, -4.43544186},
        {0.1, 25, -0.3, 0, 0.0},
        // C = 0: extended Debye-Hueckel, -A z^2 sqrt(I) / (1 + sqrt(I)).
        {0.1, 25, 0.0, 1, -0.12237338},
        {0.1, 0, 0.0, 1, -0.11757793},  // A(0) = 0.489392
        {1.0, 25, -1.0, 2, -4 * 0.50935200625 / 2 - 1.0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "I " << c.ionicStrength << " T " << c.temperature
                                          << " C " << c.daviesC << " z " << c.charge);
        const ActivityCoefficients coefficients(c.ionicStrength, c.temperature, c.daviesC, false);
        EXPECT_NEAR(coefficients.logGamma(c.charge), c.logGamma, 1e-8);
        EXPECT_NEAR(coefficients.gamma(c.charge), std::pow(10.0, coefficients.logGamma(c.charge)),
                    1e-14);
    }
}

TEST(ActivityCoefficients, ChargesBeyondSixAreNotCorrected) {
    const ActivityCoefficients coefficients(0.5, 25, kDefaultDaviesC, false);
    for (const int charge : {7, -7, 9, 10, -10, INT_MAX, INT_MIN, INT_MIN + 1}) {
        SCOPED_TRACE(charge);
        EXPECT_EQ(coefficients.gamma(charge), 1.0);
        EXPECT_EQ(coefficients.logGamma(charge), 0.0);
    }
}

TEST(ActivityCoefficients, GammasAfterLogsOnlyBelongToThatComputation) {
    ActivityCoefficients coefficients(0.01, 25, kDefaultDaviesC, false);
    coefficients.compute(0.1, 25, kDefaultDaviesC, true);
    EXPECT_NEAR(coefficients.logGamma(2), -0.51949354, 1e-8);
    EXPECT_NEAR(coefficients.gamma(2), 0.30234755, 1e-8);
    EXPECT_EQ(coefficients.gamma(0), 1.0);
}

TEST(ActivityCoefficients, AbsurdInputsGiveNaNForChargedSpecies) {
    const double cases[][2] = {
        {kNaN, 25},        {kInfinity, 25},  {0.1, kNaN},  {0.1, kInfinity},
        {0.1, -kInfinity}, {0.0, kInfinity}, {0.0, 1e200},
    };
    for (const auto& [ionicStrength, temperature] : cases) {
        SCOPED_TRACE(::testing::Message() << "I " << ionicStrength << " T " << temperature);
        for (const bool logsOnly : {false, true}) {
            const ActivityCoefficients coefficients(ionicStrength, temperature, kDefaultDaviesC,
                                                    logsOnly);
            EXPECT_TRUE(std::isnan(coefficients.logGamma(1)));
            EXPECT_TRUE(std::isnan(coefficients.gamma(-3)));
            EXPECT_EQ(coefficients.gamma(0), 1.0);
            EXPECT_EQ(coefficients.logGamma(0), 0.0);
        }
    }
}

TEST(ActivityCoefficients, HugeIonicStrengthDrivesGammaToZero) {
    const ActivityCoefficients coefficients(1e300, 25, kDefaultDaviesC, false);
    EXPECT_EQ(coefficients.gamma(1), 0.0);
    EXPECT_TRUE(std::isfinite(coefficients.logGamma(6)));
}

}  // namespace
}  // namespace solvara
