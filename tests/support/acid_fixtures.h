#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <initializer_list>
#include <numbers>

#include "core/chemistry/bl_acid.h"

namespace solvara::testing {

// 10^-p the way the acid raises it.
inline double tenToMinus(double p) { return std::exp(-std::numbers::ln10 * p); }

// An acid with these pKa whose form 0 is neutral and each later form one charge lower.
inline BLAcid acidWithPKa(std::initializer_list<double> pKa) {
    BLAcid acid;
    acid.steps = static_cast<int>(pKa.size());
    std::copy(pKa.begin(), pKa.end(), acid.pKa.begin());
    for (std::size_t form = 0; form < acid.charges.size(); ++form) {
        acid.charges[form] = form <= pKa.size() ? -static_cast<std::int32_t>(form) : 0;
    }
    acid.updateDerived();
    return acid;
}

// Phosphoric acid in all but name: three steps with their own temperature coefficients.
inline BLAcid phosphateLikeAcid() {
    BLAcid acid = acidWithPKa({2.15, 7.20, 12.35});
    acid.dpKadT = {0.005, -0.0028, -0.026, 0.0};
    acid.updateDerived();
    return acid;
}

}  // namespace solvara::testing
