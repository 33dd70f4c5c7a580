#pragma once

#include "core/program/program_model.h"

namespace solvara {

// Puts `reagent` in place of the stored reagent with its id, and brings the buffer variants that
// use it up to date: their shares of the main component follow the new formula, and a main
// component neither reagent contains any more is dropped. Documents made from a variant copy its
// shares, so stale ones would give wrong amounts.
void ReplaceReagent(ProgramModel& program, const Reagent& reagent);

}  // namespace solvara
