// What a reagent contributes to a pH solve, and the solve of its stock alone.
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <limits>

#include "core/chemistry/chemistry_model.h"
#include "core/chemistry/reagent.h"
#include "core/equilibrium/charge_balance_solver.h"

namespace solvara {

namespace {

constexpr SolveTuning kStockTuning{1e-7, 1e-6};

// The terms of a stock solution of one reagent, for solveChargeBalance.
struct StockSolution {
    const Reagent& reagent;

    void computeConstants(double temperature, double ionicStrength,
                          const ActivityCoefficients& coefficients) const {
        reagent.computeConstants(temperature, ionicStrength, coefficients);
    }
    void addChargeAndStrength(double h, double& charge, double& chargeSlope,
                              double& ionicStrength) const {
        reagent.addChargeAndStrength(reagent.concentration, h, charge, chargeSlope, ionicStrength);
    }
};

}  // namespace

void Reagent::computeConstants(double solutionTemperature, double ionicStrength,
                               const ActivityCoefficients& coefficients) const {
    const double daviesC =
        program_ == nullptr ? EquilibriumConstants{}.daviesC : program_->constants().daviesC;
    for (int i = acidCount() - 1; i >= 0; --i) {
        if (BLAcid* entry = acid(i); entry != nullptr) {
            entry->computeConstants(solutionTemperature, ionicStrength, &coefficients, daviesC);
        }
    }
}

void Reagent::addChargeAndStrength(double c, double h, double& charge, double& chargeSlope,
                                   double& ionicStrength) const {
    charge += c * spectatorCharge;
    ionicStrength += 0.5 * c * spectatorStrength;
    const std::size_t entries = std::min(acidIds.size(), acidMultipliers.size());
    for (std::size_t i = entries; i-- > 0;) {
        const BLAcid* entry = acid(static_cast<int>(i));
        if (entry == nullptr) {
            charge = std::numeric_limits<double>::quiet_NaN();
            return;
        }
        entry->addChargeAndStrength(c * acidMultipliers[i], h, charge, chargeSlope, ionicStrength);
    }
}

double Reagent::calculatePH(double solutionTemperature, double extraCharge) {
    if (program_ == nullptr) throw pHCalculationError();
    SolveConditions conditions;
    conditions.temperature = solutionTemperature;
    conditions.extraCharge = extraCharge;
    StockSolution stock{*this};
    const ChargeBalanceResult result = solveChargeBalance(
        chargeBalanceSettings(conditions, kStockTuning, program_->constants().daviesC),
        program_->water, stock, ownIonicStrength_.value);
    return -std::log10(result.hydrogenActivity());
}

}  // namespace solvara
