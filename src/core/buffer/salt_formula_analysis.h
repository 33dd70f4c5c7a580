#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/chemistry/element_table.h"

namespace solvara {

// What an ion-list formula such as "Mg^{2+},2Cl^-" says about an inert salt. An ion that
// cannot be weighed (an unknown symbol, a mass of 0, or counts too large to add up) ends the
// reading with a factor and a mass of 0; the net charge keeps the ions read before it.
struct SaltFormulaAnalysis {
    double molarMass = 0.0;                // g/mol, sum of nu * M over the ions
    std::int32_t ionicStrengthFactor = 0;  // sum of nu * z^2, twice the ionic strength of 1 M
    std::int32_t netCharge = 0;            // sum of nu * z

    // Electrically neutral with charged ions: usable as an inert salt.
    bool valid() const { return netCharge == 0 && ionicStrengthFactor != 0; }
    // What the salt editor shows for the formula.
    std::string outcomeText() const;
};

// Reads the ","-separated ions, each with an optional leading multiplier nu.
SaltFormulaAnalysis analyzeSaltFormula(std::string_view formula, const ElementTable& table);

// "Ionic strength of 1M solution: 1.0" for a factor of 2.
std::string ionicStrengthText(std::int32_t ionicStrengthFactor);

}  // namespace solvara
