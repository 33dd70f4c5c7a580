#pragma once

#include <array>

namespace solvara {

// Activity coefficients by a Davies-type equation,
//   log10 gamma(z) = -A(T) * z^2 * sqrt(I) / (1 + sqrt(I)) + C * I,
// for |z| up to 6; the same for cations and anions. C is the user's Davies
// coefficient, passed in at every computation because the user may change
// it between two. A neutral species always has gamma 1, and so does any
// charge beyond 6 (no correction). Ionic strength in mol/L, temperature in
// degC.
//
// A negative ionic strength counts as 0. An ionic strength or temperature
// that is NaN or infinite (or a temperature so large that A overflows)
// gives NaN for every charged species.
class ActivityCoefficients {
  public:
    static constexpr int kMaxCharge = 6;

    // gamma 1 and log10 gamma 0 for every charge.
    ActivityCoefficients() noexcept;
    ActivityCoefficients(double ionicStrength, double temperature, double daviesC,
                         bool logsOnly) noexcept;

    // logsOnly saves the exponentials when only the logarithms are needed;
    // gamma() then works them out when asked.
    void compute(double ionicStrength, double temperature, double daviesC, bool logsOnly) noexcept;

    double gamma(int charge) const noexcept;
    double logGamma(int charge) const noexcept;

  private:
    std::array<double, kMaxCharge + 1> gamma_;
    std::array<double, kMaxCharge + 1> logGamma_;
    bool gammaComputed_ = true;
};

}  // namespace solvara
