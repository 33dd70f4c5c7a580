#pragma once

#include <CLI/CLI.hpp>
#include <functional>
#include <ostream>

#include "cli/cli_options.h"

namespace solvara {

// "ph --reagent NAME_OR_FORMULA:CONC[:VOLUME] ...": pH, ionic strength,
// capacity, osmolality and species of a solution of reagents.
void addPhCommand(CLI::App& app, const CommonOptions& options, std::ostream& out, std::ostream& err,
                  std::function<int()>& command);

}  // namespace solvara
