// What the pH solver asks of an acid on every Newton pass: no allocation, no exceptions.
#include <array>
#include <cstddef>
#include <limits>

#include "core/chemistry/bl_acid.h"
#include "core/chemistry/power_of_ten.h"

namespace solvara {

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// h^0 to h^n by repeated multiplication.
BLAcid::FormValues powersOf(double h, int n) noexcept {
    BLAcid::FormValues powers{};
    powers[0] = 1.0;
    for (std::size_t i = 1; i <= static_cast<std::size_t>(n); ++i) powers[i] = powers[i - 1] * h;
    return powers;
}

}  // namespace

double BLAcid::cumulativeConstant(int form) const noexcept {
    return form == 0 ? 1.0 : beta[at(form - 1)];
}

void BLAcid::computeConstants(double solutionTemperature, double ionicStrength,
                              const ActivityCoefficients* coefficients, double daviesC) noexcept {
    if (coefficients != nullptr) {
        storeConstants(solutionTemperature, *coefficients);
        return;
    }
    // Only the logarithms enter the constants.
    const ActivityCoefficients own(ionicStrength, solutionTemperature, daviesC, true);
    storeConstants(solutionTemperature, own);
}

// beta'_k = 10^-(S_k + log gamma(z_k) - log gamma(z_0) + k log gamma(1)), with S_k the sum of
// the first k pKa at the temperature: [A_k][H+]^k / [A_0] in concentrations.
void BLAcid::storeConstants(double solutionTemperature,
                            const ActivityCoefficients& coefficients) noexcept {
    if (!stepsValid()) {
        beta.fill(kNaN);
        return;
    }
    const double warming = solutionTemperature - kReferenceTemperature;
    const double logGammaOfForm0 = coefficients.logGamma(charges[0]);
    const double logGammaOfProton = coefficients.logGamma(1);
    double pKSum = 0.0;
    for (int k = 1; k <= steps; ++k) {
        pKSum += pKa[at(k - 1)] + dpKadT[at(k - 1)] * warming;
        const double exponent = pKSum + coefficients.logGamma(charges[at(k)]) - logGammaOfForm0 +
                                static_cast<double>(k) * logGammaOfProton;
        beta[at(k - 1)] = powerOfTen(-exponent);
    }
}

void BLAcid::fractions(double h, double solutionTemperature, double ionicStrength, double daviesC,
                       FormValues& alpha) noexcept {
    computeConstants(solutionTemperature, ionicStrength, nullptr, daviesC);
    if (!stepsValid()) {
        alpha.fill(kNaN);
        return;
    }
    const FormValues hPowers = powersOf(h, steps);
    FormValues weights{};
    double denominator = 0.0;
    for (int k = 0; k <= steps; ++k) {
        weights[at(k)] = cumulativeConstant(k) * hPowers[at(steps - k)];
        denominator += weights[at(k)];
    }
    for (int k = 0; k <= steps; ++k) alpha[at(k)] = weights[at(k)] / denominator;
}

// With weights w_k = beta'_k h^(n-k): D = sum w_k, N = sum z_k w_k, Q = sum z_k^2 w_k, and the
// charge per mole is N/D, whose derivative is (N'D - ND') / D^2.
void BLAcid::addChargeAndStrength(double c, double h, double& charge, double& chargeSlope,
                                  double& ionicStrength) const noexcept {
    if (!stepsValid()) {  // a damaged record fails the whole solve
        charge = kNaN;
        chargeSlope = kNaN;
        ionicStrength = kNaN;
        return;
    }
    const FormValues hPowers = powersOf(h, steps);
    double total = 0.0;           // D
    double chargeTotal = 0.0;     // N
    double squareTotal = 0.0;     // Q
    double totalSlope = 0.0;      // D'
    double chargeSlopeSum = 0.0;  // N'
    for (int k = 0; k <= steps; ++k) {
        const int power = steps - k;
        const double constant = cumulativeConstant(k);
        const double z = charges[at(k)];
        const double weight = constant * hPowers[at(power)];
        total += weight;
        chargeTotal += z * weight;
        squareTotal += z * z * weight;
        if (power > 0) {
            const double weightSlope =
                static_cast<double>(power) * constant * hPowers[at(power - 1)];
            totalSlope += weightSlope;
            chargeSlopeSum += z * weightSlope;
        }
    }
    charge += c * chargeTotal / total;
    chargeSlope += c * (chargeSlopeSum * total - chargeTotal * totalSlope) / (total * total);
    ionicStrength += 0.5 * c * squareTotal / total;
}

}  // namespace solvara
