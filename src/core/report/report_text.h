#pragma once

#include <string>

#include "core/report/report_items.h"

namespace solvara {

// The texts of a report as lines of plain text for a terminal: one line for every distinct y,
// from the top down, each text placed in the column of its x at `unitsPerColumn` report units a
// character (a right-aligned text ends there, a centred one is centred there). A text that would
// overlap the one before it on its line follows it after one blank. Formulas are written in
// their notation in place of the tag. Drawings (lines, discs, clipping) are left out. Lines end
// in "\n"; bytes stay Windows-1252.
std::string reportAsText(const Report& report, int unitsPerColumn = 20);

}  // namespace solvara
