#pragma once

#include "core/chemistry/reagent.h"

namespace solvara {

// One row of a pH calculation: a reagent with the volume of its stock that is
// used and, computed from the volume mode, its concentration in the solution.
class ReagentpHCalculator : public Reagent {
  public:
    ReagentpHCalculator() = default;
    explicit ReagentpHCalculator(ChemistryModel& program) : Reagent(program) {}
    ReagentpHCalculator(const Reagent& reagent, double volumeMl)
        : Reagent(reagent), volume(volumeMl) {}

    static const ClassInfo& staticClassInfo();
    const ClassInfo& classInfo() const override;
    // The reagent record, then the row's own; rows of version 0x10000 also
    // carry a spectator array, which is read and dropped because the
    // analysis that follows rebuilds the spectators. The formula is analysed
    // in full afterwards, so the log the view shows is current.
    void Serialize(Archive& archive) override;

    double effectiveConcentration = 0.0;  // mol/L in the solution
    double volume = 0.0;                  // mL of the stock
};

}  // namespace solvara
