#include "core/equilibrium/ionic_strength_limit.h"

#include "core/database/program_defaults.h"

namespace solvara {

bool ionicStrengthTooHigh(double ionicStrength, const ProgramDefaults& defaults) {
    return ionicStrength > defaults.highIonicStrengthLimit;
}

}  // namespace solvara
