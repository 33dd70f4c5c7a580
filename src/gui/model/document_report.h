#pragma once

#include "core/report/report_items.h"
#include "gui/model/document_model.h"

namespace solvara {

// What a document prints and its report window shows: the recipe of a buffer design, dated
// today, or the calculation details of a pH calculation.
Report documentReport(const DocumentModel& document);

class ReportWindow;
// A window showing that report, redrawn whenever the document's content changes.
ReportWindow* makeDocumentReportWindow(DocumentModel& document);

}  // namespace solvara
