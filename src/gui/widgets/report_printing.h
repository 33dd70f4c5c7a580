#pragma once

#include <QString>

#include "core/report/report_items.h"

class QWidget;

namespace solvara {

// What every report window offers: printing, a print preview and a PDF file, all of the very
// pages painted on screen. `documentName` names the print job and the PDF's title.

// Prints after the print dialog; nothing when it is cancelled.
void printReport(const Report& report, const QString& documentName, QWidget* parent);
void previewReport(const Report& report, const QString& documentName, QWidget* parent);
// Asks for a file, offering `proposedFileName`, and writes the PDF there; says so when the file
// cannot be written.
void exportReportAsPdf(const Report& report, const QString& documentName,
                       const QString& proposedFileName, QWidget* parent);

}  // namespace solvara
