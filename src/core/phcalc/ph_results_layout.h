#pragma once

#include <string>
#include <string_view>

#include "core/phcalc/ph_calculator_doc.h"

namespace solvara {

// What the calculation details report and the CSV export of a pH calculator document share.

// The reagents are listed when there is more than one row or the only row has a formula; a lone
// empty row is just water.
bool showsReagentList(const CpHCalculatorDoc& document);

// A row's label with the formula tag in place of its formula: "%s (<SUBSTANCEFORMULA>)" with the
// name, just the tag for a row without a name, "pure water" for a row without a formula.
std::string reagentLabel(const Reagent& reagent);

// The species row with this formula, acid and charge, or none.
const SolutionForm* findSpecies(const CpHCalculatorDoc& document, std::string_view formula,
                                int acidId, int charge);

// The reagents together carry at least one spectator ion.
bool hasSpectators(const CpHCalculatorDoc& document);

}  // namespace solvara
