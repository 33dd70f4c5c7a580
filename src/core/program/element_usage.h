#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "core/chemistry/composition.h"
#include "core/program/program_model.h"

namespace solvara {

// How many units of each element-table entry are in use: the sum of what the
// open documents report in `documentUsage`, of the substance formulas of the
// program's acids and of the formulas of its inert salts. Reagents and
// buffers are not counted: their acids are. One count per table entry; the
// electron's is always 0. An entry in use must not be removed.
std::vector<std::int64_t> ElementUsage(const ProgramModel& program,
                                       std::span<const Composition> documentUsage);

}  // namespace solvara
