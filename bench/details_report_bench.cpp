// The calculation details report is rebuilt whenever the pH calculator's views update, that is
// on every keystroke while it is open: building its items, two capacity solves included, must
// stay well below a frame.
#include <benchmark/benchmark.h>

#include <memory>
#include <utility>
#include <vector>

#include "core/phcalc/calculation_details_report.h"
#include "core/program/program_model.h"

namespace solvara {
namespace {

void BuildDetailsReportOfFiveReagentMixture(benchmark::State& state) {
    const std::shared_ptr<ProgramModel> program = makeStarterProgramModel();
    CpHCalculatorDoc document(*program);
    document.removeReagent(0);
    for (const auto& [name, concentration] :
         std::vector<std::pair<const char*, double>>{{"phosphoric acid", 0.05},
                                                     {"trisodium citrate", 0.02},
                                                     {"acetic acid", 0.03},
                                                     {"ammonia", 0.04},
                                                     {"sodium hydroxide", 0.1}}) {
        ReagentpHCalculator row(*program);
        static_cast<Reagent&>(row) = *program->reagents.FindByName(name);
        row.concentration = concentration;
        row.analyze(true);
        document.addReagent(row);
    }
    document.recalculate();
    if (!document.resultsValid()) state.SkipWithError("the mixture does not calculate");
    for (auto _ : state) benchmark::DoNotOptimize(calculationDetailsReport(document));
}
BENCHMARK(BuildDetailsReportOfFiveReagentMixture);

}  // namespace
}  // namespace solvara
