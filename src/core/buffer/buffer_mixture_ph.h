#pragma once

namespace solvara {

class Buffer;
class ChemistryModel;

// The pH of a mixture of a buffer's two reagents, at concentrations c1 and c2
// (mol/L in the final solution, not stock concentrations), solved as a
// charge balance for [H+] with the program's water ion product and Davies
// coefficient. Each evaluation leaves the reagents' share of the ionic
// strength, from its last Newton pass, in buffer.reagentIonicStrength.
//
// addedBase is positive charge (mol/L) added as if a strong monoprotic base
// were present; negative for a strong acid. When forceIonicStrength is set
// the ionic strength stays at ionicStrengthValue; otherwise it follows the
// species and ionicStrengthValue is added to it (an inert salt's increment).
// startH is the first [H+] of the iteration, 0 for 1e-7 mol/L.

// The activity of H+. Throws pHCalculationError when the solve does not
// converge, or when a reagent is missing.
double HydrogenActivity(Buffer& buffer, ChemistryModel& program, double c1, double c2,
                        double temperature, double addedBase, bool forceIonicStrength,
                        double ionicStrengthValue, double startH);

// -log10 of HydrogenActivity; throws likewise.
double MixturePH(Buffer& buffer, ChemistryModel& program, double c1, double c2, double temperature,
                 double addedBase, bool forceIonicStrength, double ionicStrengthValue,
                 double startH);

// mol/L per pH unit, from the pH change a small addition of strong base
// makes, the ionic strength not forced and saltIonicStrength added to it;
// 0 when either evaluation fails or the quotient is not a finite positive
// number.
double BufferCapacity(Buffer& buffer, ChemistryModel& program, double c1, double c2,
                      double temperature, double addedBase, double saltIonicStrength);

}  // namespace solvara
