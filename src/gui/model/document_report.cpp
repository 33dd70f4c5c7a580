#include "gui/model/document_report.h"

#include "core/bufferdoc/buffer_recipe.h"
#include "core/bufferdoc/recipe_date.h"
#include "core/bufferdoc/recipe_page.h"
#include "core/phcalc/calculation_details_report.h"
#include "gui/model/typed_document_model.h"
#include "gui/widgets/report_window.h"

namespace solvara {

Report documentReport(const DocumentModel& document) {
    if (const auto* design = dynamic_cast<const BufferDocumentModel*>(&document)) {
        return recipePage(recipeContentOf(design->core(), recipeDateToday()));
    }
    return calculationDetailsReport(
        dynamic_cast<const PhCalculatorDocumentModel&>(document).core());
}

ReportWindow* makeDocumentReportWindow(DocumentModel& document) {
    auto* window = new ReportWindow([&document] { return documentReport(document); },
                                    [&document] { return document.title() + ".pdf"; });
    QObject::connect(&document, &DocumentModel::contentChanged, window, &ReportWindow::redraw);
    return window;
}

}  // namespace solvara
