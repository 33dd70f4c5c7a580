#pragma once

namespace solvara {

// The options every command accepts.
struct CommonOptions {
    bool json = false;
    int digits = 4;  // significant digits of numbers in text output
};

}  // namespace solvara
