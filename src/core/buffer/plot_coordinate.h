#pragma once

#include <cmath>

namespace solvara {

// A plot position truncated toward zero, as the drawings place their points. A value far off the
// drawing (a capacity many times the scale's maximum) is held at a bound any clipping removes,
// and a value that is not a number lands on the axis, so no conversion is undefined.
inline int plotCoordinate(double value) {
    constexpr double kBound = 1.0e6;
    if (std::isnan(value)) return 0;
    if (value > kBound) return static_cast<int>(kBound);
    if (value < -kBound) return static_cast<int>(-kBound);
    return static_cast<int>(value);
}

}  // namespace solvara
