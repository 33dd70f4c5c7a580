// Refilling a filtered list: a new filter is compiled and every name of a
// 10,000-item list is tested, as on each keystroke in a filter field.
#include <benchmark/benchmark.h>

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "core/text/list_filter.h"
#include "core/text/rexi_search.h"

namespace {

constexpr std::array<std::string_view, 4> typicalPatterns{
    "acid",
    "[Ss]odium",
    "(Sodium|Potassium)\\i\\ [a-z ]*phosphate",
    "PO_4|^{2-}",
};

std::vector<std::string> names(std::size_t count) {
    static constexpr std::array<std::string_view, 8> first{"sodium ",    "Potassium ", "calcium ",
                                                           "magnesium ", "ammonium ",  "acetic ",
                                                           "citric ",    "boric "};
    static constexpr std::array<std::string_view, 8> second{
        "chloride", "acetate", "dihydrogen phosphate", "hydroxide",
        "acid",     "sulfate", "HPO_4^{2-}",           "citrate"};
    std::vector<std::string> list;
    for (std::size_t i = 0; i < count; ++i)
        list.push_back(std::string(first[i % first.size()]) +
                       std::string(second[i / first.size() % second.size()]) + " " +
                       std::to_string(i));
    return list;
}

void BM_FilterTenThousandNames(benchmark::State& state) {
    const std::string_view pattern = typicalPatterns[static_cast<std::size_t>(state.range(0))];
    const std::vector<std::string> list = names(10'000);
    std::size_t shown = 0;
    for (auto _ : state) {
        const solvara::ListFilter filter(pattern);
        shown = 0;
        for (const std::string& name : list) shown += filter.passes(name) ? 1u : 0u;
        benchmark::DoNotOptimize(shown);
    }
    state.SetLabel(std::string(pattern) + " -> " + std::to_string(shown) + " shown");
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(list.size()));
}
BENCHMARK(BM_FilterTenThousandNames)
    ->DenseRange(0, typicalPatterns.size() - 1)
    ->Unit(benchmark::kMicrosecond);

void BM_CompilePattern(benchmark::State& state) {
    const std::string_view pattern = typicalPatterns[static_cast<std::size_t>(state.range(0))];
    for (auto _ : state) {
        solvara::REXI_Search engine;
        benchmark::DoNotOptimize(engine.SetPattern(pattern));
    }
    state.SetLabel(std::string(pattern));
}
BENCHMARK(BM_CompilePattern)->DenseRange(0, typicalPatterns.size() - 1);

}  // namespace
