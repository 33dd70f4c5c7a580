#include <benchmark/benchmark.h>

#include <sstream>
#include <string>

#include "core/archive/archive.h"
#include "core/archive/class_registry.h"
#include "core/chemistry/element_table.h"

namespace solvara {
namespace {

// The built-in elements followed by moieties up to 10,000 entries.
ElementTable makeLargeTable() {
    ElementTable table;
    table.loadBuiltIn();
    for (int i = table.count(); i < 10000; ++i) {
        table.add({"Moiety" + std::to_string(i), "C6H5O7", "generated", 189.0997, 4});
    }
    return table;
}

std::string store(ElementTable& table) {
    std::ostringstream out;
    Archive archive(out, "bench.dat");
    table.Serialize(archive);
    archive.Close();
    return out.str();
}

void BM_WriteElementTable10000(benchmark::State& state) {
    ElementTable table = makeLargeTable();
    for (auto _ : state) benchmark::DoNotOptimize(store(table));
}
BENCHMARK(BM_WriteElementTable10000)->Unit(benchmark::kMillisecond);

void BM_ReadElementTable10000(benchmark::State& state) {
    ElementTable source = makeLargeTable();
    const std::string bytes = store(source);
    const ClassRegistry registry;  // the table holds its entries by value
    for (auto _ : state) {
        std::istringstream in(bytes);
        Archive archive(in, registry, "bench.dat");
        ElementTable table;
        table.Serialize(archive);
        benchmark::DoNotOptimize(table.count());
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(bytes.size()));
}
BENCHMARK(BM_ReadElementTable10000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace solvara
