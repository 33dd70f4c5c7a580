#include "core/buffer/capacity_plot_range.h"

#include <algorithm>
#include <cmath>

#include "core/buffer/plot_coordinate.h"

namespace solvara {
namespace {

constexpr double kCurveStep = 0.05;   // pH units between curve entries
constexpr double kScaleWindow = 2.0;  // pH units either side of the wanted pH

// The curve index of a pH, truncated toward zero, kept within 0 to `limit`.
std::size_t indexNear(double pH, std::size_t limit) {
    const int index = plotCoordinate(pH / kCurveStep);
    return static_cast<std::size_t>(std::clamp(index, 0, static_cast<int>(limit)));
}

}  // namespace

std::optional<CapacityPlotRange> capacityPlotRange(std::span<const double> curve, double pH) {
    const auto nonZero =
        std::find_if(curve.begin(), curve.end(), [](double c) { return c != 0.0; });
    if (nonZero == curve.end()) return std::nullopt;
    CapacityPlotRange range;
    range.first = static_cast<std::size_t>(nonZero - curve.begin());
    range.end = static_cast<std::size_t>(std::find(nonZero, curve.end(), 0.0) - curve.begin());

    // The window [low, high) around the wanted pH, both bounds kept on the curve: a wanted pH
    // near the ends of the scale would otherwise point past it.
    std::size_t low = std::max(range.first, indexNear(pH - kScaleWindow, curve.size() - 1));
    std::size_t high = std::min(range.end, indexNear(pH + kScaleWindow, curve.size()));
    if (high < low) std::swap(low, high);
    if (high == low) high = low + 1;
    range.maximum = *std::max_element(curve.begin() + static_cast<std::ptrdiff_t>(low),
                                      curve.begin() + static_cast<std::ptrdiff_t>(high));
    if (!(range.maximum > 0.0) || !std::isfinite(range.maximum)) return std::nullopt;
    return range;
}

CapacityMagnitude capacityMagnitude(double maximum) {
    const double logarithm = std::log10(maximum / 100.0);
    const double integerPart = std::trunc(logarithm);
    return {static_cast<int>(integerPart) + 2, std::pow(10.0, logarithm - integerPart)};
}

}  // namespace solvara
