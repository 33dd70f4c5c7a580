#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <memory>

#include "core/phcalc/ph_calculator_doc.h"
#include "core/phcalc/species_distribution_plot.h"
#include "core/program/program_model.h"
#include "core/report/report_pages.h"
#include "gui/model/document_report.h"
#include "gui/model/program_session.h"
#include "gui/model/typed_document_model.h"
#include "gui/phcalc/ph_calculator_view.h"
#include "gui/widgets/report_painter.h"
#include "gui/widgets/report_pdf.h"
#include "gui/widgets/report_window.h"

namespace solvara {
namespace {

// Five reagents with five acids: acetic, phosphoric and citric acid, HEPES and sodium hydroxide.
void addFiveReagents(PhCalculatorDocumentModel& document) {
    const std::pair<const char*, double> reagents[] = {{"acetic acid", 0.1},
                                                       {"sodium hydroxide", 0.05},
                                                       {"phosphoric acid", 0.02},
                                                       {"citric acid", 0.01},
                                                       {"HEPES free acid", 0.02}};
    document.edit([&](CpHCalculatorDoc& calculation) {
        ProgramModel& program = calculation.program();
        DocumentChange changes = DocumentChange::none;
        for (const auto& [name, concentration] : reagents) {
            ReagentpHCalculator row(program);
            static_cast<Reagent&>(row) = *program.reagents.FindByName(name);
            row.concentration = concentration;
            row.analyze(false);
            changes |= calculation.addReagent(row);
        }
        return changes | calculation.removeReagent(0);
    });
}

// Typing in a form never touches the database file, so nothing is ever asked.
class NoQuestions : public DatabaseFileQuestions {
  public:
    std::optional<std::string> askPassword(PasswordDialogMode, const std::string&) override {
        return std::nullopt;
    }
    bool askYesNo(std::string_view, MessageIcon) override { return false; }
    Answer askYesNoCancel(std::string_view, MessageIcon) override { return Answer::cancel; }
    void showMessage(std::string_view) override {}
};

void typeKey(QWidget& field, Qt::Key key, const QString& text) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(&field, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(&field, &release);
}

// One keystroke in the concentration field of a five-reagent solution, with the calculation
// details open beside the form, until both have repainted.
void BM_KeystrokeWithDetailsOpen(benchmark::State& state) {
    NoQuestions questions;
    ProgramSession session(questions);
    PhCalculatorDocumentModel document(std::make_unique<CpHCalculatorDoc>(session.program()));
    addFiveReagents(document);
    CpHCalculatorView form(document, session);
    std::unique_ptr<ReportWindow> details(makeDocumentReportWindow(document));
    details->resize(860, 640);
    form.show();
    details->show();
    QApplication::processEvents();
    QLineEdit* concentration = nullptr;
    for (auto* field : form.findChildren<QLineEdit*>()) {
        if (field->accessibleName() == QStringLiteral("concentration")) concentration = field;
    }
    concentration->setFocus();
    concentration->end(false);
    bool typed = false;
    for (auto _ : state) {
        if (typed) {
            typeKey(*concentration, Qt::Key_Backspace, QString());
        } else {
            typeKey(*concentration, Qt::Key_5, QStringLiteral("5"));
        }
        typed = !typed;
        form.repaint();
        details->repaint();
    }
    if (!document.core().resultsValid()) state.SkipWithError("the solution was not calculated");
}
BENCHMARK(BM_KeystrokeWithDetailsOpen)->Unit(benchmark::kMillisecond);

// The species distribution of five acids (281 pH steps each) worked out and painted, every page
// at its real size on a 96-dpi screen.
void BM_DistributionComputedAndPainted(benchmark::State& state) {
    const std::shared_ptr<ProgramModel> program = makeStarterProgramModel();
    PhCalculatorDocumentModel document(std::make_unique<CpHCalculatorDoc>(*program));
    addFiveReagents(document);
    QImage screen(800, 1130, QImage::Format_ARGB32_Premultiplied);
    screen.setDotsPerMeterX(3780);
    screen.setDotsPerMeterY(3780);
    const qreal scale = ReportPainter::realSizeScale(screen);
    for (auto _ : state) {
        const Report report = speciesDistributionReport(document.core());
        const int pages = printedPageCount(report);
        for (int page = 1; page <= pages; ++page) {
            screen.fill(Qt::white);
            QPainter painter(&screen);
            painter.setRenderHint(QPainter::Antialiasing);
            const std::vector<ReportItem> items = itemsOfPrintedPage(report, page, a4PageHeight);
            ReportPainter(painter, scale, QPointF(), ReportMedium::screen).paint(items);
        }
        state.counters["pages"] = pages;
    }
}
BENCHMARK(BM_DistributionComputedAndPainted)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace solvara

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
