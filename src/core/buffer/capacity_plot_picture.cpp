#include "core/buffer/capacity_plot_picture.h"

#include <cmath>

#include "core/buffer/capacity_plot_range.h"
#include "core/buffer/plot_coordinate.h"
#include "core/text/message_format.h"

namespace solvara {
namespace {

constexpr int kBaseline = 67;

std::string scaleLabel(char digit, int power) {
    const std::string digitText(1, digit);
    switch (power) {
        case -2:
            return "0.00" + digitText;
        case -1:
            return "0.0" + digitText;
        case 0:
            return "0." + digitText;
        case 1:
            return digitText + ".0";
        default:
            return formatMessage("%s.0e%.0lf", {digitText, static_cast<double>(power - 1)});
    }
}

}  // namespace

CapacityPictureScale capacityPictureScale(double maximum) {
    const CapacityMagnitude magnitude = capacityMagnitude(maximum);
    CapacityPictureScale scale;
    double factor = 0.0;
    if (magnitude.mantissa > 0.5) {
        scale.digit = '1';
        factor = 56.0;
    } else if (magnitude.mantissa > 0.2) {
        scale.digit = '5';
        factor = 112.0;
    } else {
        scale.digit = '2';
        factor = 280.0;
    }
    scale.pixelsPerCapacity = factor * std::pow(10.0, -magnitude.exponent);
    const int power = magnitude.exponent + (magnitude.mantissa > 0.5 ? 1 : 0);
    scale.label = scaleLabel(scale.digit, power);
    return scale;
}

CapacityPicture capacityPicture(std::span<const double> curve, double pH) {
    CapacityPicture picture;
    const int x = plotCoordinate(pH / 0.05);
    picture.pHMarker = {PixelPoint{x - 3, 3}, PixelPoint{x + 3, 3}, PixelPoint{x, 12}};
    const auto range = capacityPlotRange(curve, pH);
    if (!range) return picture;
    const CapacityPictureScale scale = capacityPictureScale(range->maximum);
    for (std::size_t i = range->first; i < range->end; ++i) {
        // One pixel column per curve entry (0.05 pH).
        picture.curve.push_back(
            {static_cast<int>(i), kBaseline - plotCoordinate(curve[i] * scale.pixelsPerCapacity)});
    }
    picture.label = scale.label;
    return picture;
}

}  // namespace solvara
