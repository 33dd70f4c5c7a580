#pragma once

#include <memory>

#include "core/phcalc/ph_calculator_doc.h"

namespace solvara {

class CSolvaraDoc;

// A pH calculation of the solution a buffer recipe makes: the two reagents and the salt as rows
// with the volumes the recipe measures (a solid as a solution of its mass in the final volume),
// the final volume and working temperature, the forced ionic strength when the buffer forces it,
// and copies of the buffer's own acids. Titled after the buffer document, every "/" made "+".
// Meant for a document whose amounts are finite and non-zero (CanMakepHCalculator); a salt
// whose amount is not available is left out.
std::unique_ptr<CpHCalculatorDoc> MakepHCalculatorFromBuffer(const CSolvaraDoc& buffer);

}  // namespace solvara
