#pragma once

#include <cmath>

#include "core/equilibrium/activity_coefficients.h"
#include "core/equilibrium/ph_calculation_error.h"
#include "core/equilibrium/water_ion_product.h"

namespace solvara {

// The settings of one Newton solve of the charge balance for [H+].
struct ChargeBalanceSettings {
    double temperature = 25.0;  // degC
    // Positive charge added as if a strong monoprotic base were present (mol/L).
    double extraCharge = 0.0;
    // Forced: the ionic strength stays at ionicStrengthValue for the whole
    // solve. Otherwise it follows the species and ionicStrengthValue is added.
    bool forceIonicStrength = false;
    double ionicStrengthValue = 0.0;
    double startH = 1.0003e-7;  // mol/L
    double tolerance = 1e-8;    // on the relative change of h
    double daviesC = -0.3;
};

// What a caller solves for: the conditions of one solve.
struct SolveConditions {
    double temperature = 25.0;  // degC
    // Positive charge added as if a strong monoprotic base were present (mol/L); negative for a
    // strong acid.
    double extraCharge = 0.0;
    // Forced: the ionic strength stays at ionicStrengthValue; otherwise it follows the species
    // and ionicStrengthValue is added to it.
    bool forceIonicStrength = false;
    double ionicStrengthValue = 0.0;
    double startH = 0.0;  // mol/L; 0 starts where the caller's solves usually start
};

// How one kind of caller solves: where it starts when the conditions name no start, and how
// close the solve must come.
struct SolveTuning {
    double defaultStartH;  // mol/L
    double tolerance;      // on the relative change of h
};

// The one setup of a solve, shared by every caller: the conditions, the caller's tuning and the
// program's Davies coefficient.
inline ChargeBalanceSettings chargeBalanceSettings(const SolveConditions& conditions,
                                                   SolveTuning tuning, double daviesC) {
    ChargeBalanceSettings settings;
    settings.temperature = conditions.temperature;
    settings.extraCharge = conditions.extraCharge;
    settings.forceIonicStrength = conditions.forceIonicStrength;
    settings.ionicStrengthValue = conditions.ionicStrengthValue;
    settings.startH = conditions.startH != 0.0 ? conditions.startH : tuning.defaultStartH;
    settings.tolerance = tuning.tolerance;
    settings.daviesC = daviesC;
    return settings;
}

// The result of a converged solve: [H+] and the activity coefficients at the
// final ionic strength (full computation, gamma included).
struct ChargeBalanceResult {
    double h;
    ActivityCoefficients coefficients;
    // The activity of H+, gamma(1) * h.
    double hydrogenActivity() const { return coefficients.gamma(1) * h; }
};

constexpr int kMaxNewtonUpdates = 101;

// Solves F(h) = h - Kw/h + b + sum of the terms = 0 by Newton's method, the
// ionic strength converging together with h: every pass recomputes the
// activity coefficients, the terms' constants and Kw at the ionic strength of
// the previous pass. `ionicStrength` is the working value; after the call it
// holds the last one computed, also when the solve fails.
//
// Terms provides computeConstants(T, I, const ActivityCoefficients&) and
// addChargeAndStrength(h, charge&, chargeSlope&, ionicStrength&).
//
// Throws pHCalculationError after kMaxNewtonUpdates updates without
// convergence, as soon as any value stops being a finite number, and when
// the activity of H+ it would return is not a finite positive number, so a
// failed solve never passes for a converged one.
template <class Terms>
ChargeBalanceResult solveChargeBalance(const ChargeBalanceSettings& settings,
                                       WaterIonProduct& water, Terms& terms,
                                       double& ionicStrength) {
    const double temperature = settings.temperature;
    double h = settings.startH;
    ionicStrength = settings.forceIonicStrength ? settings.ionicStrengthValue : 0.0;
    if (!(h > 0.0) || !std::isfinite(h) || !std::isfinite(ionicStrength)) {
        throw pHCalculationError();
    }
    ActivityCoefficients coefficients;
    for (int updates = 0;; ++updates) {
        if (updates == kMaxNewtonUpdates) throw pHCalculationError();
        const double previousH = h;
        coefficients.compute(ionicStrength, temperature, settings.daviesC, true);
        terms.computeConstants(temperature, ionicStrength, coefficients);
        const double Kw = water.Kw(temperature, ionicStrength);

        double charge = h + settings.extraCharge - Kw / h;
        double chargeSlope = 0.0;
        double strength = 0.5 * (h + Kw / h);
        terms.addChargeAndStrength(h, charge, chargeSlope, strength);
        if (!settings.forceIonicStrength) ionicStrength = strength + settings.ionicStrengthValue;

        h -= charge / (Kw / (h * h) + 1.0 + chargeSlope);
        // A step to zero or below would end the solve with a division by
        // zero; a tenfold decrease keeps h in the physical range instead.
        if (h <= 0.0) h = 0.1 * previousH;
        if (!std::isfinite(h) || !std::isfinite(ionicStrength)) throw pHCalculationError();
        if (!(std::fabs((previousH - h) / previousH) > settings.tolerance)) break;
    }
    coefficients.compute(ionicStrength, temperature, settings.daviesC, false);
    const ChargeBalanceResult result{h, coefficients};
    // At an absurd ionic strength the activity coefficient, and with it the activity, can
    // underflow to 0 or overflow although h converged; the pH would be infinite.
    const double activity = result.hydrogenActivity();
    if (!(activity > 0.0) || !std::isfinite(activity)) throw pHCalculationError();
    return result;
}

}  // namespace solvara
