#pragma once

namespace solvara {

// The two settings of the equilibrium model every pH result depends on.
struct EquilibriumConstants {
    double daviesC = -0.3;  // linear coefficient of the Davies equation, with its sign
    double highIonicStrengthLimit = 0.1;  // mol/L; results above it are flagged unreliable
};

}  // namespace solvara
