#include "core/equilibrium/ionic_strength_limit.h"

#include "core/equilibrium/equilibrium_constants.h"

namespace solvara {

bool ionicStrengthTooHigh(double ionicStrength, const EquilibriumConstants& constants) {
    return ionicStrength > constants.highIonicStrengthLimit;
}

}  // namespace solvara
