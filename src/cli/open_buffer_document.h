#pragma once

#include <ostream>

#include "cli/cli_options.h"
#include "cli/open_arguments.h"

namespace solvara {

// "open FILE" of a buffer design: reads the document, recalculates it and prints it like
// "buffer" does, or its recipe; --save writes it back.
int openBufferDocument(const OpenArguments& arguments, const CommonOptions& options,
                       std::ostream& out, std::ostream& err);

}  // namespace solvara
