#pragma once

#include <vector>

namespace solvara {

class Buffer;
class ChemistryModel;

// The buffer capacity (mol/L per pH unit) at pH 0.05 * i for i = 0 ... 279,
// for a buffer prepared at each of those pH values with the total
// concentration (mol/L), temperature (degC) and salt ionic strength
// increment (mol/L) given, the ionic strength not forced. Points outside the
// pH range the buffer reaches, and points whose preparation fails, are 0.
//
// Cached in buffer.capacityCurve under buffer.capacityCurveKey (wanted pH,
// total, temperature, increment): asked again with the same four values it
// returns the stored curve without computing. Returns none when the buffer
// lacks a reagent or its main component, when a reagent that is not solid
// has a stock concentration of 0, when the total is 0, when the range of
// the buffer cannot be computed, or when wantedPH lies outside that range.
const std::vector<double>* CapacityCurve(Buffer& buffer, ChemistryModel& program, double wantedPH,
                                         double totalConcentration, double temperature,
                                         double saltIonicStrength);

}  // namespace solvara
