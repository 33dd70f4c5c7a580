#pragma once

#include <string>

#include "core/chemistry/reagent_ph_calculator.h"
#include "core/program/program_model.h"

namespace solvara::testing {

// A pH calculator row of `formula` at `concentration` M and `volume` mL, analysed quietly.
inline ReagentpHCalculator stockRow(ProgramModel& program, const char* formula,
                                    double concentration, double volume = 0.0,
                                    const std::string& name = {}) {
    ReagentpHCalculator row(program);
    row.name = name;
    row.setFormula(formula, program.elements);
    row.concentration = concentration;
    row.volume = volume;
    row.analyze(true);
    return row;
}

}  // namespace solvara::testing
