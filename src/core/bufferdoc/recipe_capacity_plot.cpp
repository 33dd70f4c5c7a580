#include "core/bufferdoc/recipe_capacity_plot.h"

#include <cmath>

#include "core/buffer/capacity_plot_range.h"
#include "core/buffer/plot_coordinate.h"
#include "core/bufferdoc/recipe_style.h"
#include "core/report/report_numbers.h"

namespace solvara {
namespace {

constexpr int kLeft = 250;
constexpr int kRight = 1370;
constexpr int kHeight = 280;
constexpr int kUnitsPerEntry = 4;  // one curve entry is 0.05 pH
constexpr int kUnitsPerPh = 80;
constexpr double kTopLabelHeight = 0.8;  // of the box

// Some writers show three exponent digits ("5e-005"); the page shows two.
std::string labelText(double value) {
    std::string text = shortNumber(value);
    const std::size_t n = text.size();
    if (n > 5 && text[n - 5] == 'e' && text[n - 3] == '0') text.erase(n - 3, 1);
    return text;
}

}  // namespace

RecipeCapacityScale recipeCapacityScale(double maximum) {
    const CapacityMagnitude magnitude = capacityMagnitude(maximum);
    double stretch = 0.0;  // how far the box exceeds the magnitude
    double topValue = 0.0;
    RecipeCapacityScale scale;
    if (magnitude.mantissa > 0.5) {
        stretch = 0.8;
        topValue = 1.0;
        scale.middleFraction = 0.5;
    } else if (magnitude.mantissa > 0.2) {
        stretch = 1.6;
        topValue = 0.5;
        scale.middleFraction = 0.4;
    } else {
        stretch = 4.0;
        topValue = 0.2;
        scale.middleFraction = 0.5;
    }
    const double power = std::pow(10.0, magnitude.exponent);
    scale.unitsPerCapacity = stretch * kHeight / power;
    scale.topLabel = labelText(topValue * power);
    scale.middleLabel = labelText(scale.middleFraction * topValue * power);
    return scale;
}

std::optional<int> drawCapacityPlot(std::vector<ReportItem>& items, int top,
                                    std::span<const double> curve, double pH, double capacity) {
    const auto range = capacityPlotRange(curve, pH);
    if (!range) return std::nullopt;
    const RecipeCapacityScale scale = recipeCapacityScale(range->maximum);

    items.push_back(ReportText{{100, top - 190}, "Buffer capacity vs pH plot:", recipeTextFont});
    const int boxTop = top - 270;
    const int bottom = top - 550;
    const int topLine = bottom + plotCoordinate(kTopLabelHeight * kHeight);
    const int middleLine =
        bottom + plotCoordinate(scale.middleFraction * kTopLabelHeight * kHeight);
    items.push_back(ReportLine{{kLeft, topLine}, {kRight, topLine}, recipeGridPen});
    items.push_back(ReportLine{{kLeft, middleLine}, {kRight, middleLine}, recipeGridPen});
    for (int x = kLeft + kUnitsPerPh; x < kRight; x += kUnitsPerPh) {
        items.push_back(ReportLine{{x, bottom}, {x, boxTop}, recipeGridPen});
    }
    items.push_back(recipeFrame(kLeft, bottom, kRight, boxTop));

    items.push_back(recipeSmallText(240, bottom + 15, "0", ReportAlignment::right));
    items.push_back(recipeSmallText(240, topLine + 15, scale.topLabel, ReportAlignment::right));
    items.push_back(
        recipeSmallText(240, middleLine + 15, scale.middleLabel, ReportAlignment::right));
    for (int p = 2; p <= 12; p += 2) {
        items.push_back(recipeSmallText(kLeft + p * kUnitsPerPh, bottom - 20, std::to_string(p),
                                        ReportAlignment::centre));
    }
    items.push_back(recipeSmallText(kRight, bottom - 20, "pH", ReportAlignment::centre));

    items.push_back(ReportClip{ReportRect{kLeft, boxTop, kRight, bottom}});
    ReportPolyline line{{}, recipeCurvePen};
    for (std::size_t i = range->first; i < range->end; ++i) {
        line.points.push_back({kLeft + kUnitsPerEntry * static_cast<int>(i),
                               bottom + plotCoordinate(curve[i] * scale.unitsPerCapacity)});
    }
    items.push_back(std::move(line));
    if (std::isfinite(capacity)) {
        items.push_back(recipeMarker(kLeft + plotCoordinate(kUnitsPerPh * pH),
                                     bottom + plotCoordinate(capacity * scale.unitsPerCapacity)));
    }
    items.push_back(ReportClip{});
    return bottom;
}

}  // namespace solvara
