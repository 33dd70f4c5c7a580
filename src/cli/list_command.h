#pragma once

#include <CLI/CLI.hpp>
#include <functional>
#include <ostream>

#include "cli/cli_options.h"

namespace solvara {

// "list acids|reagents|salts|buffers": the content of one program database.
void addListCommand(CLI::App& app, const CommonOptions& options, std::ostream& out,
                    std::ostream& err, std::function<int()>& command);

}  // namespace solvara
