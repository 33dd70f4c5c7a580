#pragma once

#include <QString>

#include "core/report/report_items.h"

namespace solvara {

// The height of an A4 page in report units (0.1 mm).
inline constexpr int a4PageHeight = 2970;

// The number of A4 pages `report` is printed on: at least one.
int printedPageCount(const Report& report);

// Writes `report` to a PDF file at `path`, one A4 page per printed page. False when the file
// cannot be written.
bool exportReportToPdf(const Report& report, const QString& path, const QString& title);

}  // namespace solvara
