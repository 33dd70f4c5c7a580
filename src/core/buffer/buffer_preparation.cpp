#include "core/buffer/buffer_preparation.h"

#include <optional>

#include "core/buffer/mixing_line.h"
#include "core/buffer/preparation_search.h"

namespace solvara {

bool PrepareBuffer(Buffer& buffer, ChemistryModel& program, const PreparationTarget& target,
                   double& c1, double& c2) {
    const std::optional<MixingLine> line = MixingLine::of(buffer, target.totalConcentration);
    if (!line) return false;
    PreparationSearch search(buffer, program, *line, target.temperature, target.forceIonicStrength,
                             target.ionicStrengthValue, false);
    return search.evaluateEnds() && search.find(target.pH, c1, c2);
}

}  // namespace solvara
