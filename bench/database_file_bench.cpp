#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

#include "core/program/database_file.h"

namespace solvara {
namespace {

// A file of its own in the temporary folder, removed afterwards.
class BenchFile {
  public:
    explicit BenchFile(const char* name) : path_(std::filesystem::temp_directory_path() / name) {}
    ~BenchFile() {
        std::error_code ignored;
        std::filesystem::remove(path_, ignored);
    }
    const std::filesystem::path& path() const { return path_; }

  private:
    std::filesystem::path path_;
};

// "prefix" followed by the number, built without operator+ on temporaries,
// which GCC 12 misreads as an overlapping copy.
std::string numbered(std::string_view prefix, int number) {
    std::string text(prefix);
    text += std::to_string(number);
    return text;
}

// The starter content plus `acids` one-step acids, as many reagents (each
// the sodium salt of one of them, so loading analyses it against its acid),
// `salts` inert salts and `buffers` buffers, ten variants to a group, each
// a generated salt with sodium hydroxide.
std::shared_ptr<ProgramModel> makeLargeProgram(int acids, int salts, int buffers) {
    std::shared_ptr<ProgramModel> program = makeStarterProgramModel();
    for (int i = 0; i < acids; ++i) {
        const std::string carbons = numbered("C_{", i + 2) + "}";
        BLAcid acid;
        acid.name = numbered("generated acid ", i);
        acid.steps = 1;
        acid.forms[0] = "H" + carbons + "O_2";
        acid.forms[1] = carbons + "O_2^-";
        acid.setFormula(acid.forms[0], program->elements);
        acid.pKa[0] = 4.0 + 0.0001 * i;
        acid.charges = {0, -1, 0, 0, 0};
        acid.updateDerived();
        program->acids.Add(acid, true);

        Reagent reagent(*program);
        reagent.name = numbered("sodium salt ", i);
        reagent.formula = "Na^+," + acid.forms[1];
        reagent.concentration = 0.1;
        reagent.analyze(true);
        program->reagents.Add(reagent);
    }
    for (int i = 0; i < salts; ++i) {
        InertSalt salt = program->salts.At(i % program->salts.Count());
        salt.name += numbered(" ", i);
        program->salts.Add(salt);
    }
    const Reagent& sodiumHydroxide = *program->reagents.FindByName("sodium hydroxide");
    for (int i = 0; i < buffers; ++i) {
        const std::string group = numbered("generated buffer ", i / 10);
        const Reagent& salt = program->reagents.At(program->reagents.Count() - 1 - i % acids);
        auto buffer = std::make_unique<Buffer>(*program);
        buffer->name = numbered("variant ", i);
        buffer->SetFirstReagent(salt);
        buffer->SetSecondReagent(sodiumHydroxide);
        buffer->SetMainComponent(salt.acidIds.front());
        buffer->isDefaultVariant = i % 10 == 0;
        program->buffers.AddGroup(group);
        program->buffers.AddVariant(group, std::move(buffer));
    }
    return program;
}

void BM_SaveStarterDatabase(benchmark::State& state) {
    const BenchFile file("solvara-bench-starter-save.dat");
    std::shared_ptr<ProgramModel> program = makeStarterProgramModel();
    for (auto _ : state) writeDatabaseFile(file.path(), *program, "");
}
BENCHMARK(BM_SaveStarterDatabase)->Unit(benchmark::kMillisecond);

void BM_LoadStarterDatabase(benchmark::State& state) {
    const BenchFile file("solvara-bench-starter-load.dat");
    writeDatabaseFile(file.path(), *makeStarterProgramModel(), "");
    for (auto _ : state) benchmark::DoNotOptimize(readDatabaseFile(file.path()));
}
BENCHMARK(BM_LoadStarterDatabase)->Unit(benchmark::kMillisecond);

void BM_SaveLargeDatabase(benchmark::State& state) {
    const BenchFile file("solvara-bench-large-save.dat");
    std::shared_ptr<ProgramModel> program = makeLargeProgram(10000, 100, 1000);
    for (auto _ : state) writeDatabaseFile(file.path(), *program, "");
}
BENCHMARK(BM_SaveLargeDatabase)->Unit(benchmark::kMillisecond);

void BM_LoadLargeDatabase(benchmark::State& state) {
    const BenchFile file("solvara-bench-large-load.dat");
    writeDatabaseFile(file.path(), *makeLargeProgram(10000, 100, 1000), "");
    const DatabaseFileContent check = readDatabaseFile(file.path());
    const ReagentDatabase& reagents = check.program->reagents;
    if (reagents.Count() != 10016 || reagents.At(10015).acidIds.empty()) {
        state.SkipWithError("the generated reagents did not analyse on loading");
    }
    const Buffer* lastBuffer =
        check.program->buffers.FindVariant("generated buffer 99", "variant 999");
    if (check.program->buffers.VariantCount() != 1015 || lastBuffer == nullptr ||
        lastBuffer->firstReagentShare != 1.0) {
        state.SkipWithError("the generated buffers did not load with their shares");
    }
    for (auto _ : state) {
        DatabaseFileContent content = readDatabaseFile(file.path());
        if (content.program == nullptr) state.SkipWithError(content.reason.c_str());
        benchmark::DoNotOptimize(content);
    }
}
BENCHMARK(BM_LoadLargeDatabase)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace solvara
