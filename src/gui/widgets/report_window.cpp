#include "gui/widgets/report_window.h"

#include <QVBoxLayout>

#include "gui/widgets/report_printing.h"
#include "gui/widgets/report_view.h"

namespace solvara {

ReportWindow::ReportWindow(ReportBuilder build, PdfNameProposal proposePdfName, QWidget* parent)
    : QWidget(parent),
      build_(std::move(build)),
      proposePdfName_(std::move(proposePdfName)),
      view_(new CReportView(this)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view_);
    redraw();
}

const Report& ReportWindow::report() const { return view_->report(); }

void ReportWindow::redraw() { view_->setReport(build_()); }

void ReportWindow::print(QPrinter& printer) {
    printReport(printer, view_->report(), windowTitle(), this);
}

void ReportWindow::printPreview(QPrinter& printer) {
    previewReport(printer, view_->report(), windowTitle(), this);
}

void ReportWindow::exportPdf() {
    exportReportAsPdf(view_->report(), windowTitle(), proposePdfName_(), this);
}

}  // namespace solvara
