#pragma once

#include <optional>

#include "core/phcalc/species_distribution.h"
#include "core/report/report_items.h"

namespace solvara {

class CpHCalculatorDoc;

// Printed pages of the species distribution are A4, 2970 units high: a plot is never cut.
inline constexpr int kDistributionPageHeight = 2970;

// The distribution as printable pages: a title with the temperature and ionic strength, then one
// plot per acid of the fraction of each form against pH 0 to 14, every curve labelled with its
// form drawn as a formula, and `pH` (when there is one) marked on every plot.
Report speciesDistributionReport(const SpeciesDistribution& distribution, std::optional<double> pH);

// The document's distribution marked at its pH, or a page saying why there is none.
Report speciesDistributionReport(const CpHCalculatorDoc& document);

}  // namespace solvara
