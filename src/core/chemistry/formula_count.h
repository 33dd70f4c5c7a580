#pragma once

#include <cstddef>
#include <string_view>

#include "core/chemistry/formula_fault.h"

namespace solvara {

struct CountReading {
    int value = 0;
    FormulaFault fault = FormulaFault::none;
};

// Reads the count whose digits start at text[pos] and moves pos past it. Counts are whole
// numbers within the int range: digits followed by "." and a digit are a fractional count
// (a "." followed by anything else is left to the caller), more is a count too large.
CountReading readCount(std::string_view text, std::size_t& pos);

// Takes the count of formula units off the front of a list piece ("2Na^+" leaves "Na^+" and
// reads 2). A piece without one, or with 0, counts one unit.
CountReading takeLeadingCount(std::string_view& piece);

}  // namespace solvara
