#pragma once

#include <CLI/CLI.hpp>
#include <functional>
#include <ostream>

#include "cli/cli_options.h"

namespace solvara {

// "formula TEXT": everything the notation derives from one formula text.
void addFormulaCommand(CLI::App& app, const CommonOptions& options, std::ostream& out,
                       std::ostream& err, std::function<int()>& command);

}  // namespace solvara
