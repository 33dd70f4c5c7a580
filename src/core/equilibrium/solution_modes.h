#pragma once

#include <cstdint>

namespace solvara {

// How the volumes of a solution's rows combine into its concentrations. The values are those of
// the files.
enum class VolumeMode : std::int32_t {
    ignoreVolumes = 0,  // every row's concentration is its concentration in the solution
    sumVolumes = 1,     // the rows are mixed; the solution's volume is the sum of theirs
    finalVolume = 2,    // the rows are made up to a given final volume
};

// How the ionic strength of a solution is treated. The values are those of the files.
enum class IonicStrengthMode : std::int32_t {
    calculateIonicStrength = 0,
    ignoreIonicStrength = 1,  // forced to 0
    forceIonicStrength = 2,   // forced to a given value
};

}  // namespace solvara
