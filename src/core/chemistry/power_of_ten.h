#pragma once

#include <cmath>
#include <numbers>

namespace solvara {

// 10^exponent through the natural exponential, the one way acid constants are raised, so
// every conversion of the same p-value gives the same bits.
inline double powerOfTen(double exponent) noexcept {
    return std::exp(std::numbers::ln10 * exponent);
}

}  // namespace solvara
