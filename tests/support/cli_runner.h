#pragma once

#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "cli/cli_app.h"

namespace solvara::testing {

struct CliResult {
    int status;
    std::string out;
    std::string err;
};

// Runs with an environment of its own, so no user's database file is found
// unless a test puts one there.
inline CliResult runCliWith(
    std::vector<std::string> arguments,
    const EnvironmentLookup& environment = [](const char*) { return std::nullopt; }) {
    arguments.insert(arguments.begin(), "solvara-cli");
    std::vector<const char*> argv;
    for (const std::string& argument : arguments) argv.push_back(argument.c_str());
    std::ostringstream out;
    std::ostringstream err;
    const int status = runCli(static_cast<int>(argv.size()), argv.data(), out, err, environment);
    return {status, out.str(), err.str()};
}

}  // namespace solvara::testing
