#pragma once

#include <array>
#include <optional>
#include <utility>

#include "core/buffer/buffer_preparation_results.h"

namespace solvara {

class Buffer;
class ChemistryModel;

// The pH of a prepared composition under conditions other than those it was
// designed for: another temperature, or an addition of strong acid or base.
// The ionic strength is not forced and the salt's increment is added to it.
// Each value is none when the preparation found no composition or when that
// one pH cannot be calculated; the others are unaffected.

std::optional<double> PreparedPHAt(Buffer& buffer, ChemistryModel& program,
                                   const BufferPreparationResults& results, double temperature);

// pH at 0, 1, ..., 100 degC, entry i at i degC.
using TemperatureSeries = std::array<std::optional<double>, 101>;
TemperatureSeries PHVersusTemperature(Buffer& buffer, ChemistryModel& program,
                                      const BufferPreparationResults& results);
// The lowest and highest pH of the series; none when no value is available.
std::optional<std::pair<double, double>> PHRange(const TemperatureSeries& series);

// Strong monoprotic acid (negative) or base (positive) added, mol/L: 10, 5
// and 1 mmol/L of acid, then 1, 5 and 10 mmol/L of base.
inline constexpr std::array<double, 6> kExpectedChangeAdditions{-0.01, -0.005, -0.001,
                                                                0.001, 0.005,  0.01};
// The pH after each addition of kExpectedChangeAdditions, at the working
// temperature.
using ExpectedPHChanges = std::array<std::optional<double>, kExpectedChangeAdditions.size()>;
ExpectedPHChanges ExpectedPHChangesAt(Buffer& buffer, ChemistryModel& program,
                                      const BufferPreparationResults& results,
                                      double workingTemperature);

}  // namespace solvara
