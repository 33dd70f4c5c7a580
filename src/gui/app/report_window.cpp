#include "gui/app/report_window.h"

#include <QVBoxLayout>

#include "gui/model/document_report.h"
#include "gui/widgets/report_printing.h"
#include "gui/widgets/report_view.h"

namespace solvara {

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

void ReportWindow::print() { printReport(view_->report(), windowTitle(), this); }

void ReportWindow::printPreview() { previewReport(view_->report(), windowTitle(), this); }

void ReportWindow::exportPdf() {
    exportReportAsPdf(view_->report(), windowTitle(), document_.title() + QStringLiteral(".pdf"),
                      this);
}

}  // namespace solvara
