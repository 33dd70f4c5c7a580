#pragma once

#include <ostream>

#include "cli/cli_options.h"
#include "cli/open_arguments.h"

namespace solvara {

// Reads a pH calculator document, recalculates it and prints it as "ph" prints a solution;
// with a save file, writes it there in the current layout.
int openPhDocument(const OpenArguments& arguments, const CommonOptions& options, std::ostream& out,
                   std::ostream& err);

}  // namespace solvara
