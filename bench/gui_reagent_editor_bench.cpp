#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>
#include <QListView>
#include <memory>
#include <optional>
#include <string>

#include "core/chemistry/acid_chooser.h"
#include "core/program/database_file_questions.h"
#include "gui/dialogs/filtered_substance_list.h"
#include "gui/dialogs/reagent_database_dialog.h"
#include "gui/model/program_session.h"

namespace solvara {
namespace {

constexpr int kReagents = 10000;

// Nothing is asked: the starter database is used as it is.
class NoQuestions : public DatabaseFileQuestions {
  public:
    std::optional<std::string> askPassword(PasswordDialogMode, const std::string&) override {
        return std::nullopt;
    }
    bool askYesNo(std::string_view, MessageIcon) override { return false; }
    Answer askYesNoCancel(std::string_view, MessageIcon) override { return Answer::cancel; }
    void showMessage(std::string_view) override {}
};

class FirstAcid : public AcidChooser {
  public:
    std::int32_t chooseAcid(const BLAcidDatabase&, std::span<const std::int32_t> ids) override {
        return ids.front();
    }
};

// A session whose reagent database holds ten thousand reagents besides the starter ones.
struct LargeDatabase {
    LargeDatabase() {
        ReagentDatabase& reagents = session.program().reagents;
        Reagent reagent(session.program());
        reagent.formula = "Na^+,H_2PO_4^-";
        reagent.concentration = 0.5;
        reagent.analyze(true);
        while (reagents.Count() < kReagents) {
            reagent.name = "phosphate_stock_" + std::to_string(reagents.Count());
            reagents.Add(reagent);
        }
    }
    NoQuestions questions;
    ProgramSession session{questions};
    FirstAcid chooser;
};

// From the command to an editor on screen with its list painted.
void BM_OpenReagentEditor(benchmark::State& state) {
    LargeDatabase database;
    for (auto _ : state) {
        CReagentDatabaseDlg dialog(database.session, database.chooser,
                                   CReagentDatabaseDlg::Mode::database, nullptr);
        dialog.show();
        dialog.findChild<FilteredSubstanceList*>()->view().viewport()->repaint();
        state.PauseTiming();
        dialog.hide();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenReagentEditor)->Unit(benchmark::kMillisecond);

// One key typed into the filter, to the list filtered and painted again. The keys alternate
// between a pattern that lists a ninth of the reagents and one that lists a ninetieth.
void BM_ReagentFilterKeystroke(benchmark::State& state) {
    LargeDatabase database;
    CReagentDatabaseDlg dialog(database.session, database.chooser,
                               CReagentDatabaseDlg::Mode::database, nullptr);
    dialog.show();
    auto* list = dialog.findChild<FilteredSubstanceList*>();
    QLineEdit& filter = list->filterField();
    filter.setText(QStringLiteral("stock_1"));
    bool longer = false;
    for (auto _ : state) {
        if (longer) {
            filter.backspace();
        } else {
            filter.insert(QStringLiteral("2"));
        }
        longer = !longer;
        list->view().viewport()->repaint();
    }
    state.counters["listed"] = list->listedCount();
}
BENCHMARK(BM_ReagentFilterKeystroke)->Unit(benchmark::kMillisecond);

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
