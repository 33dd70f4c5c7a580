#pragma once

#include <QString>

#include "core/report/report_items.h"

class QPrinter;
class QWidget;

namespace solvara {

// What every report window offers: printing, a print preview and a PDF file, all of the very
// pages painted on screen. `documentName` names the print job and the PDF's title.

// Prints on `printer` after the print dialog; nothing when it is cancelled. The printer keeps
// what the user chose (and what Print Setup chose) for the next time.
void printReport(QPrinter& printer, const Report& report, const QString& documentName,
                 QWidget* parent);
void previewReport(QPrinter& printer, const Report& report, const QString& documentName,
                   QWidget* parent);
// Asks for a file, offering `proposedFileName`, and writes the PDF there; says so when the file
// cannot be written.
void exportReportAsPdf(const Report& report, const QString& documentName,
                       const QString& proposedFileName, QWidget* parent);

}  // namespace solvara
