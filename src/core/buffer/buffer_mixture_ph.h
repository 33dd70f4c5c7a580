#pragma once

#include "core/equilibrium/charge_balance_solver.h"

namespace solvara {

class Buffer;
class ChemistryModel;

// A mixture of a buffer's two reagents, at concentrations c1 and c2 (mol/L in the final
// solution, not stock concentrations), and the conditions it is solved at. The extra charge is
// strong monoprotic base added (negative for a strong acid); a start of 0 starts at 1e-7 mol/L.
struct MixtureConditions {
    double c1 = 0.0;
    double c2 = 0.0;
    SolveConditions solve;
};

// The pH of such a mixture, solved as a charge balance for [H+] with the program's water ion
// product and Davies coefficient. Each evaluation leaves the reagents' share of the ionic
// strength, from its last Newton pass, in buffer.reagentIonicStrength.

// The activity of H+. Throws pHCalculationError when the solve does not
// converge, or when a reagent is missing.
double HydrogenActivity(Buffer& buffer, ChemistryModel& program, const MixtureConditions& mixture);

// -log10 of HydrogenActivity; throws likewise.
double MixturePH(Buffer& buffer, ChemistryModel& program, const MixtureConditions& mixture);

// mol/L per pH unit, from the pH change a small addition of strong base to the mixture makes;
// 0 when either evaluation fails or the quotient is not a finite positive number. The capacity
// of a design is worked out with the ionic strength not forced and the salt's increment added.
double BufferCapacity(Buffer& buffer, ChemistryModel& program, const MixtureConditions& mixture);

}  // namespace solvara
