#pragma once

#include "core/phcalc/ph_calculator_doc.h"
#include "core/report/report_items.h"

namespace solvara {

// Units of a printed page of the calculation details report; paper sizes are not fitted.
inline constexpr int kDetailsReportPageHeight = 2700;

// How far down the report's lines reach, in report units: worked out from the rows, the modes,
// the acids and the spectator ions alone, so it is known before anything is drawn.
int detailsReportHeight(const CpHCalculatorDoc& document);

// Pages the report prints on.
int detailsReportPageCount(const CpHCalculatorDoc& document);

// The full results of a document as a report: reagents, conditions, activity coefficients, the
// water ion product, every acid's constants as entered and as corrected, every species and the
// osmolality and buffer capacity. The height is the scroll extent, 70 units below the last line.
// The buffer capacity takes two more solves on copies; when they fail the capacity line is left
// out.
Report calculationDetailsReport(const CpHCalculatorDoc& document);

}  // namespace solvara
