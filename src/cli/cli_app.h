#pragma once

#include <ostream>

#include "core/program/data_paths.h"

namespace solvara {

// Exit statuses of every command.
enum ExitStatus : int { exitSuccess = 0, exitCalculationFailed = 1, exitUsageOrFile = 2 };

// Runs one command line; arguments are UTF-8 as a terminal gives them. The
// user's database file is looked for through `environment`.
int runCli(int argc, const char* const* argv, std::ostream& out, std::ostream& err,
           const EnvironmentLookup& environment);
// The same in the process environment.
int runCli(int argc, const char* const* argv, std::ostream& out, std::ostream& err);

}  // namespace solvara
