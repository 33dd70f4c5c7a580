#include "core/bufferdoc/recipe_temperature_plot.h"

#include <algorithm>
#include <cmath>

#include "core/buffer/plot_coordinate.h"
#include "core/bufferdoc/recipe_style.h"
#include "core/report/report_numbers.h"

namespace solvara {
namespace {

constexpr int kLeft = 250;
constexpr int kRight = 1050;
constexpr int kHeight = 200;
constexpr int kUnitsPerDegree = 8;
constexpr double kAxisMargin = 0.3;  // pH beyond the outer grid lines

// y of pH `p` on the axis, for a box whose bottom is at `bottom`.
struct PhScale {
    double from;
    double to;
    int bottom;
    int y(double p) const { return plotCoordinate((p - from) * kHeight / (to - from) + bottom); }
};

}  // namespace

TemperatureAxis temperatureAxis(std::span<const double> series) {
    double lowest = 14.0;
    double highest = 0.0;
    for (const double value : series) {
        if (!std::isfinite(value)) continue;
        lowest = std::min(lowest, value);
        highest = std::max(highest, value);
    }
    return {plotCoordinate(lowest), plotCoordinate(highest + 1.0)};
}

int drawTemperaturePlot(std::vector<ReportItem>& items, int top, std::span<const double> series,
                        double temperature, double pH) {
    items.push_back(ReportText{{100, top - 190}, "Buffer pH vs temperature plot:", recipeTextFont});
    const int boxTop = top - 270;
    const int bottom = top - 470;
    const TemperatureAxis axis = temperatureAxis(series);
    const PhScale scale{axis.lowest - kAxisMargin, axis.highest + kAxisMargin, bottom};

    for (int k = axis.lowest; k <= axis.highest; ++k) {
        items.push_back(ReportLine{{kLeft, scale.y(k)}, {kRight, scale.y(k)}, recipeGridPen});
    }
    for (int x = kLeft + 10 * kUnitsPerDegree; x < kRight; x += 10 * kUnitsPerDegree) {
        items.push_back(ReportLine{{x, bottom}, {x, boxTop}, recipeGridPen});
    }
    items.push_back(recipeFrame(kLeft, bottom, kRight, boxTop));

    items.push_back(recipeSmallText(240, scale.y(axis.lowest) + 15, twoDecimals(axis.lowest),
                                    ReportAlignment::right));
    items.push_back(recipeSmallText(240, scale.y(axis.highest) + 15,
                                    "pH=" + twoDecimals(axis.highest), ReportAlignment::right));
    for (const int degrees : {20, 40, 60, 80}) {
        items.push_back(recipeSmallText(kLeft + degrees * kUnitsPerDegree, bottom - 20,
                                        std::to_string(degrees), ReportAlignment::centre));
    }
    items.push_back(recipeSmallText(1066, bottom - 20,
                                    "temp (\xB0"
                                    "C)",
                                    ReportAlignment::centre));

    ReportPolyline curve{{}, recipeCurvePen};
    const auto endPiece = [&] {
        if (!curve.points.empty()) items.push_back(curve);
        curve.points.clear();
    };
    for (std::size_t t = 0; t < series.size(); ++t) {
        if (!std::isfinite(series[t])) {
            endPiece();
            continue;
        }
        curve.points.push_back({kLeft + kUnitsPerDegree * static_cast<int>(t), scale.y(series[t])});
    }
    endPiece();

    items.push_back(
        recipeMarker(kLeft + plotCoordinate(kUnitsPerDegree * temperature), scale.y(pH)));
    return bottom;
}

}  // namespace solvara
