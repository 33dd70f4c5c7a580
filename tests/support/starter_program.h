#pragma once

#include <memory>
#include <string>

#include "core/chemistry/reagent.h"
#include "core/program/program_model.h"

namespace solvara::testing {

// A reagent of the starter program with this formula and stock concentration, not yet analysed.
inline Reagent reagentOf(ProgramModel& program, const std::string& formula, double concentration) {
    Reagent reagent(program);
    reagent.formula = formula;
    reagent.concentration = concentration;
    return reagent;
}

// Ids of the starter acids.
inline constexpr int kAceticAcid = 1;
inline constexpr int kHydrochloricAcid = 3;
inline constexpr int kPhosphoricAcid = 4;
inline constexpr int kSodiumHydroxide = 8;

}  // namespace solvara::testing
