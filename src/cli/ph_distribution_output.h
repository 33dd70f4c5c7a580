#pragma once

#include <ostream>

#include "core/phcalc/ph_calculator_doc.h"

namespace solvara {

// Calculates the document and prints the species distribution of its acids as CSV
// (Windows-1252, CR LF), at its temperature and the ionic strength the calculation found. Without
// results there is no such ionic strength: the reason goes to `err` and the status is
// exitCalculationFailed.
int printPhDistribution(CpHCalculatorDoc& document, std::ostream& out, std::ostream& err);

}  // namespace solvara
