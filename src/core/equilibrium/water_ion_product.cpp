#include "core/equilibrium/water_ion_product.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <numbers>

namespace solvara {
namespace {

constexpr double kTableStep = 5.0;  // degC between entries, from 0 degC
constexpr double kTableEnd = 100.0;

// Thermodynamic pKw (ionic strength 0). The last entry repeats the value at
// 100 degC so that interpolation at exactly 100 degC has a right neighbour.
constexpr std::array<double, 22> kThermodynamicPKw = {
    14.94, 14.73, 14.53, 14.34, 14.17, 13.997, 13.83, 13.68, 13.54, 13.39, 13.26,
    13.14, 13.02, 12.9,  12.8,  12.69, 12.6,   12.51, 12.42, 12.34, 12.29, 12.29};

double thermodynamicPKw(double temperature) {
    // NaN would pass the clamp and make an index out of nothing.
    if (std::isnan(temperature)) return std::numeric_limits<double>::quiet_NaN();
    const double clamped = std::clamp(temperature, 0.0, kTableEnd);
    const auto index = static_cast<std::size_t>(clamped / kTableStep);  // 0 to 20
    const double low = kThermodynamicPKw[index];
    const double high = kThermodynamicPKw[index + 1];
    return low + (clamped - kTableStep * static_cast<double>(index)) * (high - low) / kTableStep;
}

// The same fixed constants at every temperature.
double ionicStrengthCorrection(double ionicStrength) {
    const double strength = std::max(ionicStrength, 0.0);  // NaN stays NaN
    const double root = std::sqrt(strength);
    return 1.05528 * root / (1 + 1.2945 * root) - 0.251361 * strength;
}

}  // namespace

void WaterIonProduct::compute(double temperature, double ionicStrength) noexcept {
    temperature_ = temperature;
    pKw_ = thermodynamicPKw(temperature) - ionicStrengthCorrection(ionicStrength);
    Kw_ = std::exp(-std::numbers::ln10 * pKw_);
}

double WaterIonProduct::Kw(double temperature, double ionicStrength) noexcept {
    compute(temperature, ionicStrength);
    return Kw_;
}

double WaterIonProduct::pKw(double temperature, double ionicStrength) noexcept {
    compute(temperature, ionicStrength);
    return pKw_;
}

}  // namespace solvara
