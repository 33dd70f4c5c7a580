#pragma once

#include <array>
#include <span>
#include <string>
#include <vector>

namespace solvara {

// A point of the design view's capacity picture, in pixels from its top left corner.
struct PixelPoint {
    int x = 0;
    int y = 0;
    friend bool operator==(const PixelPoint&, const PixelPoint&) = default;
};

// The scale of the capacity picture: `digit` times a power of ten lies 56 pixels above the
// baseline, and `label` names that capacity ("0.05", "1.0", "5.0e-4").
struct CapacityPictureScale {
    char digit = '1';
    double pixelsPerCapacity = 0.0;  // pixels per mol/L per pH unit
    std::string label;
};

CapacityPictureScale capacityPictureScale(double maximum);

// What the design view draws over its pH colour strip, 281 x 70 pixels at 20 pixels per pH
// unit: the triangle at the wanted pH, the capacity curve and the label of its scale. Without a
// curve, or when no part of it gives a scale, only the triangle.
struct CapacityPicture {
    std::array<PixelPoint, 3> pHMarker;
    std::vector<PixelPoint> curve;
    std::string label;
};

CapacityPicture capacityPicture(std::span<const double> curve, double pH);

}  // namespace solvara
