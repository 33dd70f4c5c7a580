#pragma once

#include <QString>

class QPagedPaintDevice;

#include "core/report/report_items.h"

namespace solvara {

// The height of an A4 page in report units (0.1 mm).
inline constexpr int a4PageHeight = 2970;

// The number of A4 pages `report` is printed on: at least one.
int printedPageCount(const Report& report);

// Paints `report` on a printer, a PDF writer or a print preview, one A4 page per printed page,
// from the paper's edge. False when the device cannot be painted on.
bool paintReportPages(const Report& report, QPagedPaintDevice& device);

// Writes `report` to a PDF file at `path`, one A4 page per printed page. False when the file
// cannot be written; a file that was at `path` is then left as it was.
bool exportReportToPdf(const Report& report, const QString& path, const QString& title);

}  // namespace solvara
