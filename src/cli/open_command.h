#pragma once

#include <CLI/CLI.hpp>
#include <functional>
#include <ostream>

#include "cli/cli_options.h"

namespace solvara {

// "open FILE [--report|--csv] [--save OUT]": reads a document, recalculates it and prints its
// results, as the command that creates such a document would.
void addOpenCommand(CLI::App& app, const CommonOptions& options, std::ostream& out,
                    std::ostream& err, std::function<int()>& command);

}  // namespace solvara
