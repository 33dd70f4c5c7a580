#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <memory>

#include "core/buffer/buffer_database.h"
#include "core/bufferdoc/buffer_recipe.h"
#include "core/bufferdoc/recipe_page.h"
#include "core/bufferdoc/solvara_doc.h"
#include "core/program/program_model.h"
#include "core/report/report_pages.h"
#include "gui/widgets/report_painter.h"
#include "gui/widgets/report_pdf.h"

namespace solvara {
namespace {

// The recipe page of a phosphate buffer designed at pH 7.4, as the recipe window shows it.
Report phosphateRecipePage() {
    const std::shared_ptr<ProgramModel> program = makeStarterProgramModel();
    CSolvaraDoc document(*program);
    document.setPH(7.4);
    document.PickBuffer(*program->buffers.FindVariant(
        "phosphate buffer 7.2", "sodium dihydrogenphosphate/disodium hydrogenphosphate"));
    return recipePage(recipeContentOf(document, "Thursday, December 10, 2026"));
}

// One repaint of the whole page at its real size on a 96-dpi screen.
void BM_PaintRecipePageOnScreen(benchmark::State& state) {
    const Report report = phosphateRecipePage();
    const std::vector<ReportItem> items = itemsOfPrintedPage(report, 1, a4PageHeight);
    QImage screen(800, 1130, QImage::Format_ARGB32_Premultiplied);
    screen.setDotsPerMeterX(3780);
    screen.setDotsPerMeterY(3780);
    const qreal scale = ReportPainter::realSizeScale(screen);
    for (auto _ : state) {
        screen.fill(Qt::white);
        QPainter painter(&screen);
        painter.setRenderHint(QPainter::Antialiasing);
        ReportPainter(painter, scale, QPointF(), ReportMedium::screen).paint(items);
    }
    state.counters["items"] = static_cast<double>(items.size());
}
BENCHMARK(BM_PaintRecipePageOnScreen)->Unit(benchmark::kMillisecond);

// "Export PDF..." of the recipe: the whole file written.
void BM_ExportRecipePageToPdf(benchmark::State& state) {
    const Report report = phosphateRecipePage();
    const QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("recipe.pdf"));
    for (auto _ : state) {
        if (!exportReportToPdf(report, path, QStringLiteral("recipe"))) {
            state.SkipWithError("the PDF could not be written");
            break;
        }
    }
}
BENCHMARK(BM_ExportRecipePageToPdf)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace solvara

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
