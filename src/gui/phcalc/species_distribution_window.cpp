#include "gui/phcalc/species_distribution_window.h"

#include "core/phcalc/species_distribution_plot.h"
#include "gui/widgets/report_window.h"

namespace solvara {

ReportWindow* makeSpeciesDistributionWindow(PhCalculatorDocumentModel& document) {
    auto* window = new ReportWindow(
        [&document] { return speciesDistributionReport(document.core()); },
        [&document] { return document.title() + QStringLiteral(" species distribution.pdf"); });
    QObject::connect(&document, &DocumentModel::contentChanged, window, &ReportWindow::redraw);
    return window;
}

}  // namespace solvara
