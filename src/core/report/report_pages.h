#pragma once

#include <vector>

#include "core/report/report_items.h"

namespace solvara {

// The y an item is placed by when a report is cut into printed pages: an item is printed whole
// on the page that holds this y.
int anchorY(const ReportItem& item);

// The items printed on page `page` (from 1) of pages `pageHeight` units high: those whose anchor
// lies strictly between -pageHeight * page and -pageHeight * (page - 1), moved up by
// pageHeight * (page - 1). Clip items belong to every page.
std::vector<ReportItem> itemsOfPrintedPage(const Report& report, int page, int pageHeight);

}  // namespace solvara
