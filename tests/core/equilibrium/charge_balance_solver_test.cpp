#include "core/equilibrium/charge_balance_solver.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace solvara {
namespace {

struct NoTerms {
    void computeConstants(double, double, const ActivityCoefficients&) {}
    void addChargeAndStrength(double, double&, double&, double&) {}
};

// c mol/L of a monoprotic acid HA / A^- with a temperature-independent pKa.
struct MonoproticAcid {
    double c;
    double pKa;
    double beta = 0.0;

    void computeConstants(double, double, const ActivityCoefficients& coefficients) {
        const double logCorrection =
            coefficients.logGamma(-1) - coefficients.logGamma(0) + coefficients.logGamma(1);
        beta = std::pow(10.0, -(pKa + logCorrection));
    }
    void addChargeAndStrength(double h, double& charge, double& slope, double& strength) {
        const double d = h + beta;
        charge += -c * beta / d;
        slope += c * beta / (d * d);
        strength += 0.5 * c * beta / d;
    }
};

// A term whose contribution stops being a number.
struct BrokenTerm {
    void computeConstants(double, double, const ActivityCoefficients&) {}
    void addChargeAndStrength(double, double& charge, double&, double&) {
        charge = std::numeric_limits<double>::quiet_NaN();
    }
};

double pHOf(const ChargeBalanceResult& result) { return -std::log10(result.hydrogenActivity()); }

TEST(ChargeBalanceSolver, PureWaterIsNeutralAtTwentyFiveDegrees) {
    WaterIonProduct water;
    NoTerms none;
    double ionicStrength = 0.0;

    ChargeBalanceSettings ignoreI;
    ignoreI.forceIonicStrength = true;
    EXPECT_NEAR(pHOf(solveChargeBalance(ignoreI, water, none, ionicStrength)), 6.9985, 1e-9);
    EXPECT_EQ(ionicStrength, 0.0);

    const ChargeBalanceSettings calculateI;
    const double pH = pHOf(solveChargeBalance(calculateI, water, none, ionicStrength));
    EXPECT_NEAR(pH, 6.9985, 1e-5);
    EXPECT_NE(pH, 6.9985);
    EXPECT_NEAR(ionicStrength, 1.0e-7, 1e-9);
}

TEST(ChargeBalanceSolver, TenthMolarWeakAcidWithAndWithoutIonicStrength) {
    WaterIonProduct water;
    MonoproticAcid acid{0.1, 4.75};
    double ionicStrength = 0.0;

    const ChargeBalanceSettings calculateI;
    EXPECT_NEAR(pHOf(solveChargeBalance(calculateI, water, acid, ionicStrength)), 2.878, 5e-4);
    EXPECT_NEAR(ionicStrength, 0.00138, 1e-5);

    ChargeBalanceSettings ignoreI;
    ignoreI.forceIonicStrength = true;
    EXPECT_NEAR(pHOf(solveChargeBalance(ignoreI, water, acid, ionicStrength)), 2.8779, 5e-5);
}

TEST(ChargeBalanceSolver, ExtraChargeActsLikeAddedStrongBase) {
    WaterIonProduct water;
    NoTerms none;
    double ionicStrength = 0.0;
    ChargeBalanceSettings settings;
    settings.forceIonicStrength = true;
    settings.extraCharge = 1e-3;
    EXPECT_NEAR(pHOf(solveChargeBalance(settings, water, none, ionicStrength)), 13.997 - 3.0, 1e-6);
}

TEST(ChargeBalanceSolver, ValuesThatAreNotNumbersFailInsteadOfConverging) {
    WaterIonProduct water;
    double ionicStrength = 0.0;
    BrokenTerm broken;
    EXPECT_THROW(solveChargeBalance(ChargeBalanceSettings{}, water, broken, ionicStrength),
                 pHCalculationError);

    NoTerms none;
    ChargeBalanceSettings settings;
    settings.temperature = std::numeric_limits<double>::quiet_NaN();
    EXPECT_THROW(solveChargeBalance(settings, water, none, ionicStrength), pHCalculationError);
    settings = {};
    settings.forceIonicStrength = true;
    settings.ionicStrengthValue = std::numeric_limits<double>::infinity();
    EXPECT_THROW(solveChargeBalance(settings, water, none, ionicStrength), pHCalculationError);
}

TEST(ChargeBalanceSolver, GivesUpAfterTheUpdateLimit) {
    // A tolerance no change can meet forces every allowed update.
    WaterIonProduct water;
    MonoproticAcid acid{0.1, 4.75};
    double ionicStrength = 0.0;
    ChargeBalanceSettings settings;
    settings.tolerance = -1.0;
    EXPECT_THROW(solveChargeBalance(settings, water, acid, ionicStrength), pHCalculationError);
}

}  // namespace
}  // namespace solvara
