#pragma once

#include <string>

#include "core/database/data_paths.h"

namespace solvara {

// The options every command accepts.
struct CommonOptions {
    bool json = false;
    int digits = 4;        // significant digits of numbers in text output
    std::string database;  // --database FILE; empty for the user's database file
    // Where the user's database file is looked for.
    EnvironmentLookup environment;
};

}  // namespace solvara
