#pragma once

#include "core/chemistry/element_table.h"

namespace solvara {

// The built-in elements followed by the moieties every new database starts with
// (Citrate, HEPES, Acetate); not modified.
ElementTable makeStarterElementTable();

}  // namespace solvara
