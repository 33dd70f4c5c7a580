#pragma once

#include <CLI/CLI.hpp>
#include <functional>
#include <ostream>

#include "cli/cli_options.h"

namespace solvara {

// "buffer --buffer GROUP [--variant VARIANT] --ph X --concentration C[M|mM] --volume V[L|mL]
// ...": the recipe of a buffer of the database for a wanted pH, concentration and volume.
void addBufferCommand(CLI::App& app, const CommonOptions& options, std::ostream& out,
                      std::ostream& err, std::function<int()>& command);

}  // namespace solvara
