#include "cli/ph_distribution_output.h"

#include "cli/cli_app.h"
#include "cli/ph_document_output.h"
#include "core/phcalc/species_distribution.h"

namespace solvara {

int printPhDistribution(CpHCalculatorDoc& document, std::ostream& out, std::ostream& err) {
    document.recalculate();
    const std::optional<SpeciesDistribution> distribution = speciesDistribution(document);
    if (!distribution) {
        err << phCalculationProblem(document.solution()) << '\n';
        return exitCalculationFailed;
    }
    out << speciesDistributionCsv(*distribution);
    return exitSuccess;
}

}  // namespace solvara
