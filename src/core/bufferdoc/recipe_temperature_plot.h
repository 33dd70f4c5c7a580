#pragma once

#include <span>
#include <vector>

#include "core/report/report_items.h"

namespace solvara {

// The pH axis of the pH versus temperature plot: whole pH values around the series, 0.3 beyond
// them on either side. Values of the series that are not numbers are left out.
struct TemperatureAxis {
    int lowest = 0;   // the lowest grid line
    int highest = 0;  // the highest grid line
};

TemperatureAxis temperatureAxis(std::span<const double> series);

// Draws "Buffer pH vs temperature plot:" with its box, grid, labels, curve (broken where the
// series has no value) and the marker at the working temperature and wanted pH, under `top`
// (the y of the line above it). Returns the y of the box's bottom.
int drawTemperaturePlot(std::vector<ReportItem>& items, int top, std::span<const double> series,
                        double temperature, double pH);

}  // namespace solvara
