#include "core/buffer/prepared_mixture_ph.h"

#include <algorithm>
#include <cstddef>

#include "core/buffer/buffer_mixture_ph.h"
#include "core/equilibrium/ph_calculation_error.h"

namespace solvara {

namespace {

std::optional<double> preparedPH(Buffer& buffer, ChemistryModel& program,
                                 const BufferPreparationResults& results, double temperature,
                                 double addedBase) {
    if (!results.prepared) return std::nullopt;
    try {
        const MixtureConditions mixture{.c1 = results.firstReagentConcentration,
                                        .c2 = results.secondReagentConcentration,
                                        .solve = {.temperature = temperature,
                                                  .extraCharge = addedBase,
                                                  .ionicStrengthValue = results.saltIonicStrength}};
        return MixturePH(buffer, program, mixture);
    } catch (const pHCalculationError&) {
        return std::nullopt;
    }
}

}  // namespace

std::optional<double> PreparedPHAt(Buffer& buffer, ChemistryModel& program,
                                   const BufferPreparationResults& results, double temperature) {
    return preparedPH(buffer, program, results, temperature, 0.0);
}

TemperatureSeries PHVersusTemperature(Buffer& buffer, ChemistryModel& program,
                                      const BufferPreparationResults& results) {
    TemperatureSeries series;
    for (std::size_t degrees = 0; degrees < series.size(); ++degrees) {
        series[degrees] = preparedPH(buffer, program, results, static_cast<double>(degrees), 0.0);
    }
    return series;
}

std::optional<std::pair<double, double>> PHRange(const TemperatureSeries& series) {
    std::optional<std::pair<double, double>> range;
    for (const std::optional<double>& pH : series) {
        if (!pH) continue;
        range = range ? std::pair{std::min(range->first, *pH), std::max(range->second, *pH)}
                      : std::pair{*pH, *pH};
    }
    return range;
}

ExpectedPHChanges ExpectedPHChangesAt(Buffer& buffer, ChemistryModel& program,
                                      const BufferPreparationResults& results,
                                      double workingTemperature) {
    ExpectedPHChanges changes;
    for (std::size_t i = 0; i < changes.size(); ++i) {
        changes[i] =
            preparedPH(buffer, program, results, workingTemperature, kExpectedChangeAdditions[i]);
    }
    return changes;
}

}  // namespace solvara
