// Reagent analysis runs on every keystroke in the reagent editor, and resolving a piece of a
// formula to an acid must stay cheap however large the acid database grows.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "core/chemistry/reagent.h"
#include "core/program/program_model.h"

namespace {

void AnalyzeDisodiumPhosphate(benchmark::State& state) {
    const std::shared_ptr<solvara::ProgramModel> program = solvara::makeStarterProgramModel();
    solvara::Reagent reagent(*program);
    reagent.formula = "2Na^+,HPO_4^{2-}";
    reagent.concentration = 0.1;
    const bool quiet = state.range(0) != 0;
    for (auto _ : state) benchmark::DoNotOptimize(reagent.analyze(quiet));
    state.SetLabel(quiet ? "quiet" : "with the stock's pH");
}
BENCHMARK(AnalyzeDisodiumPhosphate)->Arg(1)->Arg(0);

void FindByFormulaAmong10000Acids(benchmark::State& state) {
    solvara::ProgramModel program;
    program.elements.loadBuiltIn();
    solvara::BLAcid acid;
    acid.steps = 1;
    for (int i = 1; i <= 10000; ++i) {
        const std::string carbons = "C_{" + std::to_string(i) + "}";
        acid.name = "acid " + std::to_string(i);
        acid.forms[0] = carbons + "H_4O_2";
        acid.forms[1] = carbons + "H_3O_2^-";
        program.acids.Add(acid, true);
    }
    const std::string wanted = "C_{5000}H_3O_2^-";
    for (auto _ : state) benchmark::DoNotOptimize(program.acids.FindByFormula(wanted));
}
BENCHMARK(FindByFormulaAmong10000Acids);

void AceticAcidStockPH(benchmark::State& state) {
    const std::shared_ptr<solvara::ProgramModel> program = solvara::makeStarterProgramModel();
    solvara::Reagent reagent(*program);
    reagent.formula = "HAcetate";
    reagent.concentration = 0.1;
    reagent.analyze(true);
    double temperature = 25.0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(temperature);
        benchmark::DoNotOptimize(reagent.calculatePH(temperature, 0.0));
    }
}
BENCHMARK(AceticAcidStockPH);

}  // namespace
