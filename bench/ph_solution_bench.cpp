// A pH calculation runs on every keystroke of the calculator view: one solve
// of a simple solution must take microseconds.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "core/phcalc/ph_solution.h"
#include "core/program/program_model.h"

namespace solvara {
namespace {

void addRow(ProgramModel& program, pHSolution& solution, const char* reagentName,
            double concentration) {
    ReagentpHCalculator row(program);
    static_cast<Reagent&>(row) = *program.reagents.FindByName(reagentName);
    row.concentration = concentration;
    row.analyze(true);
    solution.addReagent(row);
}

void solveRepeatedly(benchmark::State& state,
                     const std::vector<std::pair<const char*, double>>& rows) {
    const std::shared_ptr<ProgramModel> program = makeStarterProgramModel();
    pHSolution solution(*program);
    for (const auto& [name, concentration] : rows) addRow(*program, solution, name, concentration);
    solution.distributeConcentrations(solution.volumeMode);
    SolveConditions conditions;
    conditions.temperature = solution.temperature;
    for (auto _ : state) benchmark::DoNotOptimize(solution.calculatePH(conditions));
}

void SolveAceticAcidCalculatingIonicStrength(benchmark::State& state) {
    solveRepeatedly(state, {{"acetic acid", 0.1}});
}
BENCHMARK(SolveAceticAcidCalculatingIonicStrength);

void SolveFiveReagentMixture(benchmark::State& state) {
    solveRepeatedly(state, {{"phosphoric acid", 0.05},
                            {"trisodium citrate", 0.02},
                            {"acetic acid", 0.03},
                            {"ammonia", 0.04},
                            {"sodium hydroxide", 0.1}});
}
BENCHMARK(SolveFiveReagentMixture);

void RecalculateFiveReagentMixtureWithSpecies(benchmark::State& state) {
    const std::shared_ptr<ProgramModel> program = makeStarterProgramModel();
    pHSolution solution(*program);
    for (const auto& [name, concentration] :
         std::vector<std::pair<const char*, double>>{{"phosphoric acid", 0.05},
                                                     {"trisodium citrate", 0.02},
                                                     {"acetic acid", 0.03},
                                                     {"ammonia", 0.04},
                                                     {"sodium hydroxide", 0.1}}) {
        addRow(*program, solution, name, concentration);
    }
    for (auto _ : state) benchmark::DoNotOptimize(solution.recalculate());
}
BENCHMARK(RecalculateFiveReagentMixtureWithSpecies);

}  // namespace
}  // namespace solvara
