#pragma once

#include <string>

namespace solvara {

// An ion of a reagent that belongs to no acid and takes no part in acid-base
// equilibria; it counts for charge and ionic strength only.
struct Spectator {
    double count = 0.0;   // units per formula unit of the reagent
    std::string formula;  // the ion's piece of the reagent formula, as written
    int charge = 0;

    bool operator==(const Spectator&) const = default;
};

}  // namespace solvara
