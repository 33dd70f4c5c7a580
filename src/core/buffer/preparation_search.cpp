#include "core/buffer/preparation_search.h"

#include <cmath>
#include <limits>

#include "core/buffer/buffer.h"
#include "core/buffer/buffer_mixture_ph.h"
#include "core/equilibrium/ph_calculation_error.h"

namespace solvara {

namespace {

// The bracket is narrowed until its pH values are this close.
constexpr double kBracketWidth = 0.0049;
// A pH that jumps inside the bracket would keep it wide for ever; long
// before this many halvings the fractions stop changing.
constexpr int kMaxBisections = 100;

}  // namespace

PreparationSearch::PreparationSearch(Buffer& buffer, ChemistryModel& program,
                                     const MixingLine& line, double temperature,
                                     bool forceIonicStrength, double ionicStrengthValue,
                                     bool remember)
    : buffer_(buffer),
      program_(program),
      line_(line),
      temperature_(temperature),
      force_(forceIonicStrength),
      ionicStrengthValue_(ionicStrengthValue),
      remember_(remember) {}

double PreparationSearch::pHAt(double x, double startH, double& c1, double& c2) {
    line_.compositionAt(x, c1, c2);
    const MixtureConditions mixture{.c1 = c1,
                                    .c2 = c2,
                                    .solve = {.temperature = temperature_,
                                              .extraCharge = buffer_.baseExcess,
                                              .forceIonicStrength = force_,
                                              .ionicStrengthValue = ionicStrengthValue_,
                                              .startH = startH}};
    return MixturePH(buffer_, program_, mixture);
}

bool PreparationSearch::evaluateEnds() {
    double c1 = 0.0;
    double c2 = 0.0;
    try {
        pHAtZero_ = pHAt(0.0, 0.0, c1, c2);
        pHAtOne_ = pHAt(1.0, 0.0, c1, c2);
        return true;
    } catch (const pHCalculationError&) {
        return false;
    }
}

bool PreparationSearch::find(double wantedPH, double& c1, double& c2) {
    double xLow = 0.0;
    double pHLow = pHAtZero_;
    double xHigh = 1.0;
    double pHHigh = pHAtOne_;
    if (pHLow > pHHigh) {
        std::swap(pHLow, pHHigh);
        std::swap(xLow, xHigh);
    }
    // Written so that a wanted pH that is not a number fails too.
    if (!(pHLow <= wantedPH && wantedPH <= pHHigh) || pHLow == pHHigh) return false;

    int bisections = 0;
    do {
        if (++bisections > kMaxBisections) return false;
        const double xMiddle = (xLow + xHigh) / 2.0;
        double pHMiddle = std::numeric_limits<double>::quiet_NaN();
        const auto known = remember_ ? remembered_.find(xMiddle) : remembered_.end();
        if (known != remembered_.end()) {
            pHMiddle = known->second;
        } else {
            try {
                pHMiddle = pHAt(xMiddle, std::pow(10.0, -(pHLow + pHHigh) / 2.0), c1, c2);
            } catch (const pHCalculationError&) {
            }
            if (remember_) remembered_.emplace(xMiddle, pHMiddle);
        }
        if (std::isnan(pHMiddle)) return false;
        if (pHMiddle > wantedPH) {
            xHigh = xMiddle;
            pHHigh = pHMiddle;
        } else {
            xLow = xMiddle;
            pHLow = pHMiddle;
        }
    } while (pHHigh - pHLow > kBracketWidth);

    // The wanted pH can meet a bisection pH exactly at an end of the bracket,
    // leaving no width to interpolate over.
    const double span = pHHigh - pHLow;
    const double x = span > 0.0 ? xLow + (wantedPH - pHLow) * (xHigh - xLow) / span : xLow;
    line_.compositionAt(x, c1, c2);
    return std::isfinite(c1) && std::isfinite(c2);
}

}  // namespace solvara
