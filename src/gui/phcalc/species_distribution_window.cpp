#include "gui/phcalc/species_distribution_window.h"

#include <QVBoxLayout>

#include "core/phcalc/species_distribution_plot.h"
#include "gui/widgets/report_printing.h"
#include "gui/widgets/report_view.h"

namespace solvara {

SpeciesDistributionWindow::SpeciesDistributionWindow(PhCalculatorDocumentModel& document,
                                                     QWidget* parent)
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

void SpeciesDistributionWindow::redraw() {
    view_->setReport(speciesDistributionReport(document_.core()));
}

void SpeciesDistributionWindow::print() { printReport(view_->report(), windowTitle(), this); }

void SpeciesDistributionWindow::printPreview() {
    previewReport(view_->report(), windowTitle(), this);
}

void SpeciesDistributionWindow::exportPdf() {
    exportReportAsPdf(view_->report(), windowTitle(),
                      document_.title() + QStringLiteral(" species distribution.pdf"), this);
}

}  // namespace solvara
