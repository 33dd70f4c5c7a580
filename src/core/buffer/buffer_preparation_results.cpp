#include "core/buffer/buffer_preparation_results.h"

#include <cmath>
#include <optional>

#include "core/buffer/buffer.h"
#include "core/buffer/buffer_mixture_ph.h"
#include "core/buffer/buffer_preparation.h"
#include "core/buffer/inert_salt.h"
#include "core/buffer/prepared_mixture_ph.h"
#include "core/chemistry/reagent.h"

namespace solvara {

namespace {

// Below this ratio of the forced to the buffer's own ionic strength the user
// is told that forcing cannot lower it.
constexpr double kLowForcingRatio = 0.999;

bool hasNoStock(const Reagent& reagent) { return !reagent.isSolid && reagent.concentration == 0.0; }

// g of a solid, or mL of the stock, for concentration c in `volume` litres.
double amountOf(const Reagent& reagent, double c, double volume) {
    if (reagent.isSolid) return c * volume * reagent.molarMass;
    return 1000.0 * c * volume / reagent.concentration;
}

// The salt for a forced ionic strength, or none when the salt cannot supply
// the increment.
void addSalt(const InertSalt& salt, double volume, BufferPreparationResults& results) {
    if (results.saltIonicStrength == 0.0) return;  // no salt needed, whatever its ions
    const double concentration = salt.concentrationFor(results.saltIonicStrength);
    const double amount = salt.amountToTake(concentration, volume);
    if (std::isfinite(concentration) && std::isfinite(amount)) {
        results.saltConcentration = concentration;
        results.saltAmount = amount;
    } else {
        results.saltConcentration.reset();
        results.saltAmount.reset();
    }
}

// Solids dissolve into the volume; every stock solution takes up its own.
bool stocksExceedVolume(const Buffer& buffer, const InertSalt& salt,
                        const BufferPreparationInputs& inputs,
                        const BufferPreparationResults& results) {
    double stockVolume = 0.0;  // mL
    if (!buffer.FirstReagent()->isSolid) stockVolume += results.firstReagentAmount;
    if (!buffer.SecondReagent()->isSolid) stockVolume += results.secondReagentAmount;
    if (inputs.forceIonicStrength && !salt.isSolid) stockVolume += results.saltAmount.value_or(0.0);
    return stockVolume > 1000.0 * inputs.volume;
}

// The composition and everything that follows from it; none when the search
// fails or a figure would not be finite. `ownIonicStrength` gets the
// buffer's own ionic strength at the composition found.
std::optional<BufferPreparationResults> prepare(Buffer& buffer, const InertSalt& salt,
                                                const BufferPreparationInputs& inputs,
                                                ChemistryModel& program, double& ownIonicStrength) {
    const bool force = inputs.forceIonicStrength;
    BufferPreparationResults results;
    double& c1 = results.firstReagentConcentration;
    double& c2 = results.secondReagentConcentration;
    if (!PrepareBuffer(buffer, program, preparationTargetOf(inputs), c1, c2)) {
        return std::nullopt;
    }
    results.prepared = true;
    ownIonicStrength = buffer.reagentIonicStrength;
    if (!std::isfinite(ownIonicStrength)) return std::nullopt;
    if (force) {
        const double increment = inputs.ionicStrength - ownIonicStrength;
        if (increment < 0.0) {
            results.lowForcingWarning = inputs.ionicStrength / ownIonicStrength < kLowForcingRatio;
        } else {
            results.saltIonicStrength = increment;
        }
        addSalt(salt, inputs.volume, results);
    }
    // BufferCapacity gives 0 for a capacity it cannot work out.
    const MixtureConditions mixture{.c1 = c1,
                                    .c2 = c2,
                                    .solve = {.temperature = inputs.temperature,
                                              .ionicStrengthValue = results.saltIonicStrength}};
    if (const double capacity = BufferCapacity(buffer, program, mixture); capacity > 0.0) {
        results.capacity = capacity;
    }
    results.pHAtPreparation = PreparedPHAt(buffer, program, results, inputs.preparationTemperature);
    results.firstReagentAmount = amountOf(*buffer.FirstReagent(), c1, inputs.volume);
    results.secondReagentAmount = amountOf(*buffer.SecondReagent(), c2, inputs.volume);
    if (!std::isfinite(results.firstReagentAmount) || !std::isfinite(results.secondReagentAmount) ||
        !std::isfinite(results.saltIonicStrength)) {
        return std::nullopt;
    }
    results.stocksExceedVolume = stocksExceedVolume(buffer, salt, inputs, results);
    return results;
}

}  // namespace

PreparationTarget preparationTargetOf(const BufferPreparationInputs& inputs) {
    const bool force = inputs.forceIonicStrength;
    return {.pH = inputs.pH,
            .totalConcentration = inputs.concentration,
            .temperature = inputs.temperature,
            .forceIonicStrength = force,
            .ionicStrengthValue = force ? inputs.ionicStrength : 0.0};
}

bool canMakepHCalculator(const BufferPreparationResults& results) {
    const auto usable = [](double amount) { return std::isfinite(amount) && amount != 0.0; };
    return usable(results.firstReagentAmount) && usable(results.secondReagentAmount);
}

PreparationOutcome recalculatePreparation(Buffer& buffer, const InertSalt& salt,
                                          BufferPreparationInputs& inputs,
                                          BufferPreparationResults& results,
                                          ChemistryModel& program) {
    results.firstReagentAmount = 0.0;
    results.secondReagentAmount = 0.0;
    results.saltAmount = 0.0;
    results.stocksExceedVolume = false;  // nothing to take any more
    if (inputs.concentration == 0.0) return PreparationOutcome::noConcentration;
    const Reagent* first = buffer.FirstReagent();
    const Reagent* second = buffer.SecondReagent();
    if (first == nullptr || second == nullptr || hasNoStock(*first) || hasNoStock(*second)) {
        return PreparationOutcome::incompleteBuffer;
    }
    buffer.capacityCurve.clear();

    double ownIonicStrength = 0.0;
    const std::optional<BufferPreparationResults> prepared =
        prepare(buffer, salt, inputs, program, ownIonicStrength);
    results = prepared.value_or(BufferPreparationResults{});
    // A forced value is the user's own entry and survives a failed search.
    if (!inputs.forceIonicStrength) inputs.ionicStrength = prepared ? ownIonicStrength : 0.0;
    return PreparationOutcome::calculated;
}

}  // namespace solvara
