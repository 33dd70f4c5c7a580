#pragma once

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "core/report/report_items.h"

namespace solvara {

// The scale of the recipe's capacity plot: report units per capacity unit, and the two labelled
// capacities, the top one at 0.8 of the box's height and the middle one at `middleFraction` of
// that.
struct RecipeCapacityScale {
    double unitsPerCapacity = 0.0;
    double middleFraction = 0.5;
    std::string topLabel;     // "0.05"
    std::string middleLabel;  // "0.02"
};

RecipeCapacityScale recipeCapacityScale(double maximum);

// Draws "Buffer capacity vs pH plot:" with its box, grid, labels, the curve clipped to the box
// and the marker at the wanted pH and the buffer's capacity (none for a capacity that is not a
// number), under `top` (the bottom of the plot above it). Returns the y of the box's bottom, or
// none, drawing nothing, when the curve gives no scale.
std::optional<int> drawCapacityPlot(std::vector<ReportItem>& items, int top,
                                    std::span<const double> curve, double pH, double capacity);

}  // namespace solvara
