#include <benchmark/benchmark.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>
#include <QPaintEvent>
#include <memory>

#include "core/buffer/buffer_database.h"
#include "core/program/program_model.h"
#include "gui/app/message_box_questions.h"
#include "gui/buffer/solvara_view.h"
#include "gui/model/document_report.h"
#include "gui/model/program_session.h"
#include "gui/widgets/report_view.h"
#include "gui/widgets/report_window.h"

namespace solvara {
namespace {

// Counts the paint events a widget receives.
class PaintCounter : public QObject {
  public:
    int paints = 0;

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++paints;
        return false;
    }
};

void pressKey(QWidget& widget, Qt::Key key, const QString& text) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(&widget, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(&widget, &release);
}

QLineEdit& fieldNamed(QWidget& form, const QString& name) {
    for (QLineEdit* field : form.findChildren<QLineEdit*>()) {
        if (field->accessibleName() == name) return *field;
    }
    throw std::runtime_error("no field " + name.toStdString());
}

// One keystroke in the pH field of a phosphate design with its design form and its recipe
// window open, from the key event until both windows have repainted: the pH alternates between
// 7.4 and 7.45.
void BM_KeystrokeRedrawsDesignAndRecipe(benchmark::State& state) {
    MessageBoxQuestions questions;
    ProgramSession session(questions);
    BufferDocumentModel document(std::make_unique<CSolvaraDoc>(session.program()));
    document.edit([&](CSolvaraDoc& design) {
        design.setPH(7.4);
        return design.PickBuffer(*session.program().buffers.FindVariant(
            "phosphate buffer 7.2", "sodium dihydrogenphosphate/disodium hydrogenphosphate"));
    });
    CSolvaraView form(document, session);
    std::unique_ptr<ReportWindow> recipe(makeDocumentReportWindow(document));
    form.show();
    recipe->resize(800, 1000);
    recipe->show();
    QApplication::processEvents();
    PaintCounter formPaints;
    PaintCounter recipePaints;
    // The amount shows the recalculated result on the form.
    fieldNamed(form, QStringLiteral("1st reagent amount")).installEventFilter(&formPaints);
    // The page is painted by the scroll area's widget.
    recipe->findChild<CReportView*>()->widget()->installEventFilter(&recipePaints);

    QLineEdit& pH = fieldNamed(form, QStringLiteral("pH"));
    pH.setText(QStringLiteral("7.4"));
    pH.setCursorPosition(3);
    bool typed = false;
    for (auto _ : state) {
        if (typed) {
            pressKey(pH, Qt::Key_Backspace, QString());
        } else {
            pressKey(pH, Qt::Key_5, QStringLiteral("5"));
        }
        typed = !typed;
        const int formBefore = formPaints.paints;
        const int recipeBefore = recipePaints.paints;
        QApplication::processEvents();
        if (formPaints.paints == formBefore || recipePaints.paints == recipeBefore) {
            state.SkipWithError("a window did not repaint");
            break;
        }
    }
}
BENCHMARK(BM_KeystrokeRedrawsDesignAndRecipe)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace solvara

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QLocale::setDefault(QLocale::c());
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
