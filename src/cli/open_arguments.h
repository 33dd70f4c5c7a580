#pragma once

#include <string>

namespace solvara {

// What "open FILE" was asked to do with the document it reads.
struct OpenArguments {
    std::string file;
    std::string save;  // write the document back to this file; empty for no saving
    std::string pdf;   // write its recipe or calculation details report as PDF; empty for none
    bool csv = false;
    bool report = false;
    bool recipe = false;
};

}  // namespace solvara
