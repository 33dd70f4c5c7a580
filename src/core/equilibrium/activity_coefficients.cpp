#include "core/equilibrium/activity_coefficients.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <limits>
#include <numbers>
#include <optional>

namespace solvara {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// The Debye-Hueckel A at a temperature in degC; A(25) = 0.509352.
double debyeHueckelA(double temperature) {
    return 0.489392 + 0.000645146 * temperature + 6.13017e-6 * temperature * temperature;
}

double powerOfTen(double exponent) { return std::exp(std::numbers::ln10 * exponent); }

// Slot of a charge in the tables, none beyond the largest charge computed
// (compared before negating, so INT_MIN is safe).
std::optional<std::size_t> slotOf(int charge) {
    if (charge < -ActivityCoefficients::kMaxCharge || charge > ActivityCoefficients::kMaxCharge) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(charge < 0 ? -charge : charge);
}

}  // namespace

ActivityCoefficients::ActivityCoefficients() noexcept {
    gamma_.fill(1.0);
    logGamma_.fill(0.0);
}

ActivityCoefficients::ActivityCoefficients(double ionicStrength, double temperature, double daviesC,
                                           bool logsOnly) noexcept
    : ActivityCoefficients() {
    compute(ionicStrength, temperature, daviesC, logsOnly);
}

void ActivityCoefficients::compute(double ionicStrength, double temperature, double daviesC,
                                   bool logsOnly) noexcept {
    const double strength = std::max(ionicStrength, 0.0);  // NaN stays NaN
    const double root = std::sqrt(strength);
    const double a = debyeHueckelA(temperature);
    // With an infinite A the product would be NaN at ionic strength 0 and
    // minus infinity above it; an absurd temperature gives NaN either way.
    const double base = std::isfinite(a) ? -a * root / (1 + root) : kNaN;
    // The linear term is added as it stands, scaled neither by A nor by z^2.
    const double linear = daviesC * strength;

    for (std::size_t z = 1; z < logGamma_.size(); ++z) {
        logGamma_[z] = static_cast<double>(z * z) * base + linear;
    }
    gammaComputed_ = !logsOnly;
    if (gammaComputed_) {
        for (std::size_t z = 1; z < gamma_.size(); ++z) gamma_[z] = powerOfTen(logGamma_[z]);
    }
}

double ActivityCoefficients::gamma(int charge) const noexcept {
    const std::optional<std::size_t> slot = slotOf(charge);
    if (!slot) return 1.0;
    // After a logs-only computation the stored gammas belong to an earlier one.
    return gammaComputed_ ? gamma_[*slot] : powerOfTen(logGamma_[*slot]);
}

double ActivityCoefficients::logGamma(int charge) const noexcept {
    const std::optional<std::size_t> slot = slotOf(charge);
    return slot ? logGamma_[*slot] : 0.0;
}

}  // namespace solvara
