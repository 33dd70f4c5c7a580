#pragma once

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

inline CliResult runCliWith(std::vector<std::string> arguments) {
    arguments.insert(arguments.begin(), "solvara-cli");
    std::vector<const char*> argv;
    for (const std::string& argument : arguments) argv.push_back(argument.c_str());
    std::ostringstream out;
    std::ostringstream err;
    const int status = runCli(static_cast<int>(argv.size()), argv.data(), out, err);
    return {status, out.str(), err.str()};
}

}  // namespace solvara::testing
