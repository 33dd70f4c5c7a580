#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <cmath>
#include <numbers>

#include "core/chemistry/bl_acid.h"
#include "core/equilibrium/activity_coefficients.h"
#include "support/acid_fixtures.h"

namespace solvara {
namespace {

using testing::acidWithPKa;
using testing::phosphateLikeAcid;
using testing::tenToMinus;

constexpr double kDaviesC = -0.3;

struct Contribution {
    double charge = 0.0;
    double slope = 0.0;
    double strength = 0.0;
};

Contribution contributionAt(const BLAcid& acid, double c, double h) {
    Contribution sum;
    acid.addChargeAndStrength(c, h, sum.charge, sum.slope, sum.strength);
    return sum;
}

TEST(BLAcidEquilibriumTest, WithoutActivityCorrectionTheConstantsAreProductsOfKa) {
    BLAcid acid = phosphateLikeAcid();
    const ActivityCoefficients ideal;
    acid.computeConstants(25.0, 0.0, &ideal, kDaviesC);
    EXPECT_EQ(acid.beta[0], tenToMinus(2.15));
    EXPECT_EQ(acid.beta[1], tenToMinus(2.15 + 7.20));
    EXPECT_EQ(acid.beta[2], tenToMinus(2.15 + 7.20 + 12.35));
    EXPECT_NEAR(acid.beta[1] / (acid.Ka[0] * acid.Ka[1]), 1.0, 1e-12);
    EXPECT_NEAR(acid.beta[2] / (acid.Ka[0] * acid.Ka[1] * acid.Ka[2]), 1.0, 1e-12);
}

TEST(BLAcidEquilibriumTest, EachPKaMovesWithItsOwnTemperatureCoefficient) {
    BLAcid acid = phosphateLikeAcid();
    acid.dpKadT = {-0.01, 0.02, 0.0, 0.0};
    const ActivityCoefficients ideal;
    acid.computeConstants(35.0, 0.0, &ideal, kDaviesC);
    EXPECT_EQ(acid.beta[0], tenToMinus(2.15 + -0.01 * 10.0));
    EXPECT_NEAR(-std::log10(acid.beta[0]), 2.05, 1e-12);
    EXPECT_NEAR(-std::log10(acid.beta[1]), 2.05 + 7.40, 1e-12);
    EXPECT_NEAR(-std::log10(acid.beta[2]), 2.05 + 7.40 + 12.35, 1e-12);
}

TEST(BLAcidEquilibriumTest, ActivityCoefficientsTurnThermodynamicIntoConcentrationConstants) {
    // A form 0 of charge +1 makes every log gamma of the formula count.
    BLAcid acid = phosphateLikeAcid();
    acid.charges = {1, 0, -1, -2, 0};
    const double strength = 0.1;
    const ActivityCoefficients coefficients(strength, 37.0, kDaviesC, false);
    acid.computeConstants(37.0, strength, &coefficients, kDaviesC);
    double pKSum = 0.0;
    for (std::size_t k = 1; k <= 3; ++k) {
        pKSum += acid.pKa[k - 1] + acid.dpKadT[k - 1] * 12.0;
        const double exponent = pKSum + coefficients.logGamma(acid.charges[k]) -
                                coefficients.logGamma(1) +
                                static_cast<double>(k) * coefficients.logGamma(1);
        EXPECT_EQ(acid.beta[k - 1], tenToMinus(exponent)) << k;
    }
    EXPECT_GT(acid.beta[1], tenToMinus(pKSum - acid.pKa[2] - acid.dpKadT[2] * 12.0));

    // Without given coefficients the acid makes the same ones from the Davies coefficient.
    const BLAcid::StepValues given = acid.beta;
    acid.beta = {};
    acid.computeConstants(37.0, strength, nullptr, kDaviesC);
    EXPECT_EQ(acid.beta, given);
    acid.computeConstants(37.0, strength, nullptr, -0.2);
    EXPECT_NE(acid.beta[1], given[1]);
}

TEST(BLAcidEquilibriumTest, ConstantsOfStepsBeyondTheAcidAreLeftAlone) {
    BLAcid acid = acidWithPKa({4.76});
    acid.beta = {7.0, 7.0, 7.0, 7.0};
    acid.computeConstants(25.0, 0.05, nullptr, kDaviesC);
    EXPECT_NE(acid.beta[0], 7.0);
    EXPECT_EQ(acid.beta[1], 7.0);
    EXPECT_EQ(acid.beta[3], 7.0);
}

TEST(BLAcidEquilibriumTest, FractionsSumToOneAndFollowTheConstants) {
    BLAcid acid = phosphateLikeAcid();
    for (const double pH : {-1.0, 0.0, 2.15, 4.5, 7.2, 9.8, 12.35, 14.0}) {
        const double h = tenToMinus(pH);
        BLAcid::FormValues alpha;
        alpha.fill(-1.0);
        acid.fractions(h, 30.0, 0.08, kDaviesC, alpha);
        EXPECT_NEAR(alpha[0] + alpha[1] + alpha[2] + alpha[3], 1.0, 1e-14) << pH;
        EXPECT_EQ(alpha[4], -1.0) << pH;
        // Neighbouring forms stand in the ratio of the stepwise constant to h.
        EXPECT_NEAR(alpha[1] / alpha[0], acid.beta[0] / h, 1e-12 * acid.beta[0] / h) << pH;
    }
}

TEST(BLAcidEquilibriumTest, AMonoproticAcidIsHalfDissociatedAtItsPKa) {
    BLAcid acid = acidWithPKa({4.76});
    BLAcid::FormValues alpha{};
    acid.fractions(tenToMinus(4.76), 25.0, 0.0, kDaviesC, alpha);
    EXPECT_NEAR(alpha[0], 0.5, 1e-15);
    EXPECT_NEAR(alpha[1], 0.5, 1e-15);
}

TEST(BLAcidEquilibriumTest, MonoproticContributionHasTheClosedForm) {
    BLAcid acid = acidWithPKa({4.76});
    const ActivityCoefficients ideal;
    acid.computeConstants(25.0, 0.0, &ideal, kDaviesC);
    const double b = acid.beta[0];
    const double c = 0.02;
    for (const double h : {1e-2, tenToMinus(4.76), 1e-9}) {
        double charge = 1.0;
        double slope = 2.0;
        double strength = 3.0;  // added to, never overwritten
        acid.addChargeAndStrength(c, h, charge, slope, strength);
        EXPECT_NEAR(charge - 1.0, -c * b / (h + b), 1e-15) << h;
        EXPECT_NEAR((slope - 2.0) / (c * b / ((h + b) * (h + b))), 1.0, 1e-12) << h;
        EXPECT_NEAR(strength - 3.0, 0.5 * c * b / (h + b), 1e-15) << h;
    }
}

TEST(BLAcidEquilibriumTest, ChargeSlopeOfAThreeStepAcidIsTheDerivativeOfItsCharge) {
    BLAcid acid = phosphateLikeAcid();
    acid.charges = {1, 0, -1, -2, 0};  // a charged form 0 exercises every term
    const double c = 0.05;
    acid.computeConstants(31.0, 0.12, nullptr, kDaviesC);
    for (const double pH : {1.0, 2.15, 3.0, 5.5, 7.2, 9.0, 12.35, 13.5}) {
        const double h = tenToMinus(pH);
        const double step = h * 1e-5;
        const double rising = contributionAt(acid, c, h + step).charge;
        const double falling = contributionAt(acid, c, h - step).charge;
        const double finiteDifference = (rising - falling) / (2 * step);
        const double slope = contributionAt(acid, c, h).slope;
        EXPECT_NEAR(slope, finiteDifference, 1e-7 * std::abs(slope)) << pH;
    }
}

TEST(BLAcidEquilibriumTest, IonicStrengthIsHalfTheSquaredChargesOfTheFormsPresent) {
    BLAcid acid = phosphateLikeAcid();
    const double c = 0.05;
    const double h = tenToMinus(7.0);
    BLAcid::FormValues alpha{};
    acid.fractions(h, 25.0, 0.1, kDaviesC, alpha);  // leaves the constants for the same conditions
    const Contribution sum = contributionAt(acid, c, h);
    EXPECT_NEAR(sum.strength, 0.5 * c * (alpha[1] + 4 * alpha[2] + 9 * alpha[3]), 1e-15);
    EXPECT_NEAR(sum.charge, -c * (alpha[1] + 2 * alpha[2] + 3 * alpha[3]), 1e-15);
}

TEST(BLAcidEquilibriumTest, ContributionUsesTheConstantsOfTheLastComputation) {
    BLAcid acid = acidWithPKa({4.76});
    acid.computeConstants(25.0, 0.0, nullptr, kDaviesC);
    const Contribution before = contributionAt(acid, 0.01, 1e-5);
    acid.pKa[0] = 9.0;
    acid.updateDerived();
    EXPECT_EQ(contributionAt(acid, 0.01, 1e-5).charge, before.charge);
    acid.computeConstants(25.0, 0.0, nullptr, kDaviesC);
    EXPECT_NE(contributionAt(acid, 0.01, 1e-5).charge, before.charge);
}

TEST(BLAcidEquilibriumTest, AbsurdInputsGiveNonFiniteResultsInsteadOfCrashing) {
    const double nan = std::nan("");
    const double inf = HUGE_VAL;
    const struct {
        const char* name;
        double temperature;
        double strength;
        double pKa1;
        int steps;
    } cases[] = {
        {"NaN temperature", nan, 0.1, 2.15, 3},
        {"temperature far below zero", -1e300, 0.0, 2.15, 3},
        {"infinite ionic strength", 25.0, inf, 2.15, 3},
        {"NaN pKa", 25.0, 0.1, nan, 3},
        {"hugely negative pKa", 25.0, 0.1, -1e308, 3},
        {"no steps", 25.0, 0.1, 2.15, 0},
        {"more steps than forms", 25.0, 0.1, 2.15, 9},
        {"negative steps", 25.0, 0.1, 2.15, INT_MIN},
    };
    for (const auto& absurd : cases) {
        BLAcid acid = phosphateLikeAcid();
        acid.pKa[0] = absurd.pKa1;
        acid.steps = absurd.steps;
        acid.computeConstants(absurd.temperature, absurd.strength, nullptr, kDaviesC);
        const Contribution sum = contributionAt(acid, 0.1, 1e-7);
        EXPECT_FALSE(std::isfinite(sum.charge) && std::isfinite(sum.slope) &&
                     std::isfinite(sum.strength))
            << absurd.name;
        BLAcid::FormValues alpha{};
        acid.fractions(1e-7, absurd.temperature, absurd.strength, kDaviesC, alpha);
        EXPECT_FALSE(std::isfinite(alpha[0]) && std::isfinite(alpha[1]) &&
                     std::isfinite(alpha[2]) && std::isfinite(alpha[3]))
            << absurd.name;
    }
}

TEST(BLAcidEquilibriumTest, ChargesAtTheEndsOfTheIntRangeStayDefined) {
    BLAcid acid = acidWithPKa({4.76});
    acid.charges = {INT_MAX, INT_MIN, 0, 0, 0};
    acid.computeConstants(25.0, 0.1, nullptr, kDaviesC);
    // Such charges get no correction; only the proton's remains.
    const ActivityCoefficients coefficients(0.1, 25.0, kDaviesC, true);
    EXPECT_EQ(acid.beta[0], tenToMinus(4.76 + coefficients.logGamma(1)));
    const Contribution sum = contributionAt(acid, 1.0, 1e-5);
    EXPECT_TRUE(std::isfinite(sum.charge));
    EXPECT_GT(sum.strength, 0.0);
}

}  // namespace
}  // namespace solvara
