#include "gui/widgets/report_printing.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include "gui/widgets/report_pdf.h"

namespace solvara {

namespace {

void paintOnPrinter(const Report& report, QPrinter& printer) {
    printer.setFullPage(true);
    paintReportPages(report, printer);
}

}  // namespace

void printReport(QPrinter& printer, const Report& report, const QString& documentName,
                 QWidget* parent) {
    printer.setDocName(documentName);
    QPrintDialog dialog(&printer, parent);
    if (dialog.exec() == QDialog::Accepted) paintOnPrinter(report, printer);
}

void previewReport(QPrinter& printer, const Report& report, const QString& documentName,
                   QWidget* parent) {
    printer.setDocName(documentName);
    QPrintPreviewDialog preview(&printer, parent);
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [&report](QPrinter* target) { paintOnPrinter(report, *target); });
    preview.exec();
}

void exportReportAsPdf(const Report& report, const QString& documentName,
                       const QString& proposedFileName, QWidget* parent) {
    const QString path = QFileDialog::getSaveFileName(
        parent, QObject::tr("Export PDF"), proposedFileName, QObject::tr("PDF files (*.pdf)"));
    if (path.isEmpty()) return;
    if (!exportReportToPdf(report, path, documentName)) {
        QMessageBox::warning(parent, QStringLiteral("Solvara"),
                             QObject::tr("%1: cannot be saved.").arg(QFileInfo(path).fileName()));
    }
}

}  // namespace solvara
