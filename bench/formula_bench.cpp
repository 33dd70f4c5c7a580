// Formulas are re-evaluated on every keystroke and redraw: setFormula, composition and molar
// mass together should stay well under a microsecond.
#include <benchmark/benchmark.h>

#include "../tests/support/starter_table.h"
#include "core/chemistry/chemical_formula.h"
#include "core/chemistry/element_table.h"

namespace solvara {
namespace {

using testing::starterTable;

void compositionAndMolarMass(benchmark::State& state, const char* text) {
    const ElementTable table = starterTable();
    ChemicalFormula formula(table);
    for (auto _ : state) {
        formula.setFormula(text);
        benchmark::DoNotOptimize(formula.composition());
        benchmark::DoNotOptimize(formula.molarMass());
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK_CAPTURE(compositionAndMolarMass, phosphate, "2Na^+,HPO_4^{2-}");
BENCHMARK_CAPTURE(compositionAndMolarMass, edta, "C_{10}H_{16}N_2O_8");

void findLongestPrefix(benchmark::State& state, const char* text) {
    const ElementTable table = starterTable();
    for (auto _ : state) benchmark::DoNotOptimize(table.findLongestPrefix(text));
}
BENCHMARK_CAPTURE(findLongestPrefix, chloride, "Cl^-");
BENCHMARK_CAPTURE(findLongestPrefix, carbon, "C_{10}");
BENCHMARK_CAPTURE(findLongestPrefix, citrate, "Citrate^{3-}");
BENCHMARK_CAPTURE(findLongestPrefix, unknown, "Xx");

}  // namespace
}  // namespace solvara
