#include "core/buffer/buffer_preparation.h"

#include <optional>

#include "core/buffer/mixing_line.h"
#include "core/buffer/preparation_search.h"

namespace solvara {

bool PrepareBuffer(Buffer& buffer, ChemistryModel& program, double wantedPH,
                   double totalConcentration, double& c1, double& c2, double temperature,
                   bool forceIonicStrength, double ionicStrengthValue) {
    const std::optional<MixingLine> line = MixingLine::of(buffer, totalConcentration);
    if (!line) return false;
    PreparationSearch search(buffer, program, *line, temperature, forceIonicStrength,
                             ionicStrengthValue, false);
    return search.evaluateEnds() && search.find(wantedPH, c1, c2);
}

}  // namespace solvara
