#pragma once

#include <string_view>

namespace solvara {

struct EquilibriumConstants;

// Whether results at this ionic strength (mol/L) are flagged as unreliable: above the program's
// "high IS limit" the activity coefficient model is outside the range it was made for. Every pH
// result and buffer design asks here, so they all flag the same solutions.
bool ionicStrengthTooHigh(double ionicStrength, const EquilibriumConstants& constants);

// The line that tells so wherever results are listed (the recipe, the command line).
inline constexpr std::string_view kHighIonicStrengthWarning =
    "Warning: ionic strength of the solution is too high for thermodynamically reliable results!";

}  // namespace solvara
