#include "core/buffer/buffer_mixture_ph.h"

#include <cmath>

#include "core/buffer/buffer.h"
#include "core/chemistry/chemistry_model.h"
#include "core/chemistry/reagent.h"
#include "core/equilibrium/charge_balance_solver.h"

namespace solvara {

namespace {

constexpr SolveTuning kMixtureTuning{1e-7, 1e-8};
// Strong base added to read the capacity off the pH change (mol/L).
constexpr double kCapacityProbe = 5e-7;

// The two reagents at their concentrations, for solveChargeBalance. Keeps
// the reagents' part of the ionic strength of every pass apart from the
// water's.
struct ReagentPair {
    const Reagent& first;
    const Reagent& second;
    double c1;
    double c2;
    double& reagentIonicStrength;

    void computeConstants(double temperature, double ionicStrength,
                          const ActivityCoefficients& coefficients) const {
        first.computeConstants(temperature, ionicStrength, coefficients);
        second.computeConstants(temperature, ionicStrength, coefficients);
    }
    void addChargeAndStrength(double h, double& charge, double& chargeSlope,
                              double& ionicStrength) const {
        double reagents = 0.0;
        first.addChargeAndStrength(c1, h, charge, chargeSlope, reagents);
        second.addChargeAndStrength(c2, h, charge, chargeSlope, reagents);
        reagentIonicStrength = reagents;
        ionicStrength += reagents;
    }
};

}  // namespace

double HydrogenActivity(Buffer& buffer, ChemistryModel& program, const MixtureConditions& mixture) {
    const Reagent* first = buffer.FirstReagent();
    const Reagent* second = buffer.SecondReagent();
    if (first == nullptr || second == nullptr) throw pHCalculationError();

    ReagentPair pair{*first, *second, mixture.c1, mixture.c2, buffer.reagentIonicStrength};
    double ionicStrength = 0.0;
    return solveChargeBalance(
               chargeBalanceSettings(mixture.solve, kMixtureTuning, program.constants().daviesC),
               program.water, pair, ionicStrength)
        .hydrogenActivity();
}

double MixturePH(Buffer& buffer, ChemistryModel& program, const MixtureConditions& mixture) {
    return -std::log10(HydrogenActivity(buffer, program, mixture));
}

double BufferCapacity(Buffer& buffer, ChemistryModel& program, const MixtureConditions& mixture) {
    try {
        MixtureConditions probedMixture = mixture;
        probedMixture.solve.extraCharge += kCapacityProbe;
        const double probed = MixturePH(buffer, program, probedMixture);
        const double plain = MixturePH(buffer, program, mixture);
        const double capacity = kCapacityProbe / (probed - plain);
        // Adding base never lowers the pH of a real solution: a capacity of 0 or below only
        // shows that the model has left its range.
        return std::isfinite(capacity) && capacity > 0.0 ? capacity : 0.0;
    } catch (const pHCalculationError&) {
        return 0.0;
    }
}

}  // namespace solvara
