#pragma once

namespace solvara {

class Buffer;
class ChemistryModel;

// What a preparation aims at: the wanted pH at the temperature, the total concentration (mol/L)
// of all forms of the main component, and the ionic strength as MixturePH takes it.
struct PreparationTarget {
    double pH = 7.0;
    double totalConcentration = 0.0;
    double temperature = 25.0;  // degC
    bool forceIonicStrength = false;
    double ionicStrengthValue = 0.0;
};

// Finds the concentrations c1 and c2 (mol/L in the final solution) of the
// buffer's two reagents that give the target's pH at its total concentration, by
// bisection on how that total is split between the reagents. When only one
// reagent carries the main component, the other's concentration is varied
// between 0 and the most its stock can add in the volume the carrier's stock
// leaves free. Every pH evaluation adds the buffer's baseExcess as strong
// base, and uses the target's ionic strength.
//
// Returns whether a composition was found. It is not found when the wanted
// pH lies outside the range between the two end compositions, when both ends
// give the same pH, when a pH evaluation fails, or when the buffer cannot
// make any composition: a missing reagent, no reagent carrying the main
// component, a total that is not a positive number, or a carrier stock
// concentration that leaves no room for the other reagent (at or below the
// total, or 0). On failure c1 and c2 are not to be used. On success both are
// finite, and buffer.reagentIonicStrength holds the reagents' ionic strength
// of the last bisection pass (the interpolated composition itself is not
// evaluated).
bool PrepareBuffer(Buffer& buffer, ChemistryModel& program, const PreparationTarget& target,
                   double& c1, double& c2);

}  // namespace solvara
