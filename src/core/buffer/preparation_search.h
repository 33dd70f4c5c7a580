#pragma once

#include <optional>
#include <unordered_map>
#include <utility>

#include "core/buffer/mixing_line.h"

namespace solvara {

class Buffer;
class ChemistryModel;

// The bisection of PrepareBuffer for one buffer, total concentration,
// temperature and ionic strength, made reusable over many wanted pH values:
// the two end compositions are evaluated once, and with remembering on,
// every bisection pH is kept by its mixing fraction. A bisection visits a
// fraction only along one path of halvings, so the same fraction always
// comes with the same bracket and start value and gives the same pH: a
// remembered value is exactly the one a fresh search would compute.
class PreparationSearch {
  public:
    PreparationSearch(Buffer& buffer, ChemistryModel& program, const MixingLine& line,
                      double temperature, bool forceIonicStrength, double ionicStrengthValue,
                      bool remember);

    // Evaluates the two end compositions; false when either evaluation fails.
    bool evaluateEnds();
    // Only after evaluateEnds succeeded: the composition for wantedPH, or
    // false as PrepareBuffer describes. c1 and c2 are set as the search goes.
    bool find(double wantedPH, double& c1, double& c2);

  private:
    // The pH at fraction x, starting the solve at startH; throws
    // pHCalculationError.
    double pHAt(double x, double startH, double& c1, double& c2);

    Buffer& buffer_;
    ChemistryModel& program_;
    MixingLine line_;
    double temperature_;
    bool force_;
    double ionicStrengthValue_;
    bool remember_;
    double pHAtZero_ = 0.0;
    double pHAtOne_ = 0.0;
    // Fraction -> pH, or NaN for a solve that failed.
    std::unordered_map<double, double> remembered_;
};

}  // namespace solvara
