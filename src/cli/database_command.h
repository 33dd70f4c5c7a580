#pragma once

#include <CLI/CLI.hpp>
#include <functional>
#include <ostream>

#include "cli/cli_options.h"

namespace solvara {

// "database save FILE": writes the program database in use.
// "database check FILE": what a database file holds, or why it cannot be read.
void addDatabaseCommand(CLI::App& app, const CommonOptions& options, std::ostream& out,
                        std::ostream& err, std::function<int()>& command);

}  // namespace solvara
