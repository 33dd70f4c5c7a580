#pragma once

#include <cstddef>
#include <optional>
#include <span>

namespace solvara {

// The part of a capacity curve (capacity at pH 0.05 * i) that the capacity plots draw, and the
// largest capacity within 2 pH units of the wanted pH, which sets their scale.
struct CapacityPlotRange {
    std::size_t first = 0;  // the first non-zero entry
    std::size_t end = 0;    // the first zero entry after `first`, or the curve's size
    double maximum = 0.0;
};

// None when no entry is non-zero, or when the largest capacity near the wanted pH is not a
// positive number, which gives no scale.
std::optional<CapacityPlotRange> capacityPlotRange(std::span<const double> curve, double pH);

// The order of magnitude of a maximum capacity: log10(maximum / 100) = N0 + f, integer and
// fractional parts of the same sign; `mantissa` = 10^f and `exponent` = N0 + 2.
struct CapacityMagnitude {
    int exponent = 0;
    double mantissa = 1.0;
};

CapacityMagnitude capacityMagnitude(double maximum);

}  // namespace solvara
