#pragma once

namespace solvara {

// The ion product of water as a concentration ("practical") constant: the
// thermodynamic pKw of 0 to 100 degC corrected for ionic strength, so the pH
// solver uses it with the concentration [H+] directly. It keeps the result
// of its last computation. Temperatures in degC, ionic strength in mol/L.
//
// Temperatures outside 0 to 100 degC take the value at the nearer end; a
// negative ionic strength counts as 0. A temperature or ionic strength
// that is NaN, or an infinite ionic strength, gives NaN for pKw and Kw, so
// a calculation fed with it fails instead of showing a plausible number.
class WaterIonProduct {
  public:
    void compute(double temperature, double ionicStrength) noexcept;

    // compute, then the new Kw or pKw.
    double Kw(double temperature, double ionicStrength) noexcept;
    double pKw(double temperature, double ionicStrength) noexcept;

    // The last computation; the temperature as it was given, not clamped.
    double temperature() const noexcept { return temperature_; }
    double Kw() const noexcept { return Kw_; }
    double pKw() const noexcept { return pKw_; }

  private:
    // Stand until the first computation.
    double temperature_ = 25.0;
    double Kw_ = 1.0e-14;
    double pKw_ = 14.0;
};

}  // namespace solvara
