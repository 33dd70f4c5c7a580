#include "core/phcalc/ph_results_layout.h"

#include <algorithm>

#include "core/report/report_items.h"

namespace solvara {

bool showsReagentList(const CpHCalculatorDoc& document) {
    return document.reagentCount() > 1 ||
           (document.reagentCount() == 1 && !document.reagents().front()->formula.empty());
}

std::string reagentLabel(const Reagent& reagent) {
    if (reagent.formula.empty()) return "pure water";
    if (reagent.name.empty()) return std::string(substanceFormulaTag);
    return reagent.name + " (" + std::string(substanceFormulaTag) + ")";
}

const SolutionForm* findSpecies(const CpHCalculatorDoc& document, std::string_view formula,
                                int acidId, int charge) {
    const auto found = std::find_if(
        document.species().begin(), document.species().end(), [&](const SolutionForm& row) {
            return row.formula == formula && row.acidId == acidId && row.charge == charge;
        });
    return found == document.species().end() ? nullptr : &*found;
}

bool hasSpectators(const CpHCalculatorDoc& document) {
    return std::any_of(document.reagents().begin(), document.reagents().end(),
                       [](const auto& row) { return !row->spectators.empty(); });
}

}  // namespace solvara
