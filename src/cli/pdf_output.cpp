#include "cli/pdf_output.h"

#include "core/bufferdoc/buffer_recipe.h"
#include "core/bufferdoc/recipe_date.h"
#include "core/bufferdoc/recipe_page.h"
#include "core/bufferdoc/solvara_doc.h"
#include "core/phcalc/calculation_details_report.h"
#include "core/phcalc/ph_calculator_doc.h"

#ifdef SOLVARA_CLI_PDF
#include <QGuiApplication>
#include <memory>

#include "gui/widgets/qt_text.h"
#include "gui/widgets/report_pdf.h"
#endif

namespace solvara {
namespace {

#ifdef SOLVARA_CLI_PDF
constexpr bool pdfOutputAvailable = true;
#else
constexpr bool pdfOutputAvailable = false;
#endif
constexpr const char* unavailable = "--pdf: PDF output is not available in this build\n";

// A report window's title: the document's title and what the report is.
std::string reportTitle(const std::string& documentTitle, const std::string& report) {
    return documentTitle.empty() ? report : documentTitle + " - " + report;
}

#ifdef SOLVARA_CLI_PDF

// Fonts and the PDF writer need a Gui application. The command line makes one only for PDF
// output, on the offscreen platform unless one was chosen, so it runs without a display.
std::unique_ptr<QGuiApplication> guiApplicationForPainting() {
    if (QCoreApplication::instance() != nullptr) return nullptr;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "solvara-cli";
    static char* argv[] = {name, nullptr};
    return std::make_unique<QGuiApplication>(argc, argv);
}

bool writeReportPdf(const Report& report, const std::string& path, const std::string& title,
                    std::ostream& err) {
    const std::unique_ptr<QGuiApplication> application = guiApplicationForPainting();
    if (exportReportToPdf(report, fromPath(path), fromMixedText(title))) return true;
    err << "cannot write the PDF file \"" << path << "\"\n";
    return false;
}

#else

bool writeReportPdf(const Report&, const std::string&, const std::string&, std::ostream& err) {
    err << unavailable;
    return false;
}

#endif

}  // namespace

bool acceptPdfFile(const std::string& path, std::ostream& err) {
    if (path.empty() || pdfOutputAvailable) return true;
    err << unavailable;
    return false;
}

bool writeRecipePdf(const CSolvaraDoc& document, const std::string& path, std::ostream& err) {
    return writeReportPdf(recipePage(recipeContentOf(document, recipeDateToday())), path,
                          reportTitle(document.title(), "recipe"), err);
}

bool writeDetailsPdf(const CpHCalculatorDoc& document, const std::string& path, std::ostream& err) {
    return writeReportPdf(calculationDetailsReport(document), path,
                          reportTitle(document.title(), "calculation details"), err);
}

}  // namespace solvara
