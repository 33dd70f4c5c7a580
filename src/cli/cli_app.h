#pragma once

#include <ostream>

namespace solvara {

// Exit statuses of every command.
enum ExitStatus : int { exitSuccess = 0, exitCalculationFailed = 1, exitUsageOrFile = 2 };

// Runs one command line; arguments are UTF-8 as a terminal gives them.
int runCli(int argc, const char* const* argv, std::ostream& out, std::ostream& err);

}  // namespace solvara
