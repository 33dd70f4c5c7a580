#include "gui/app/report_window.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QVBoxLayout>

#include "gui/model/document_report.h"
#include "gui/widgets/report_pdf.h"
#include "gui/widgets/report_view.h"

namespace solvara {

namespace {

void paintOnPrinter(const Report& report, QPrinter& printer) {
    printer.setFullPage(true);
    paintReportPages(report, printer);
}

}  // namespace

ReportWindow::ReportWindow(DocumentModel& document, QWidget* parent)
    : QWidget(parent), document_(document), view_(new CReportView(this)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view_);
    connect(&document_, &DocumentModel::changed, this, [this](DocumentChange what) {
        if (has(what, DocumentChange::inputs | DocumentChange::rows | DocumentChange::results))
            redraw();
    });
    redraw();
}

void ReportWindow::redraw() { view_->setReport(documentReport(document_)); }

void ReportWindow::print() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(windowTitle());
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() == QDialog::Accepted) paintOnPrinter(view_->report(), printer);
}

void ReportWindow::printPreview() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(windowTitle());
    QPrintPreviewDialog preview(&printer, this);
    connect(&preview, &QPrintPreviewDialog::paintRequested, this,
            [this](QPrinter* target) { paintOnPrinter(view_->report(), *target); });
    preview.exec();
}

void ReportWindow::exportPdf() {
    const QString suggested = document_.title() + QStringLiteral(".pdf");
    const QString path =
        QFileDialog::getSaveFileName(this, tr("Export PDF"), suggested, tr("PDF files (*.pdf)"));
    if (path.isEmpty()) return;
    if (!exportReportToPdf(view_->report(), path, windowTitle())) {
        QMessageBox::warning(this, QStringLiteral("Solvara"),
                             tr("%1: cannot be saved.").arg(QFileInfo(path).fileName()));
    }
}

}  // namespace solvara
