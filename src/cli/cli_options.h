#pragma once

#include <string>

#include "core/program/data_paths.h"

namespace solvara {

// The options every command accepts.
struct CommonOptions {
    bool json = false;
    int digits = 4;            // significant digits of numbers in text output
    bool digitsGiven = false;  // --digits was given, so output without such numbers refuses it
    std::string database;      // --database FILE; empty for the user's database file
    // Where the user's database file is looked for.
    EnvironmentLookup environment;
};

}  // namespace solvara
