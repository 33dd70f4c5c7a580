#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

// "solvara-cli buffer ... --pdf FILE" as a script runs it: the whole process, from its start
// until the recipe's PDF file is written, on the offscreen platform.
void BM_RecipeToPdfFromTheCommandLine(benchmark::State& state) {
    const std::filesystem::path pdf =
        std::filesystem::temp_directory_path() / "solvara-bench-recipe.pdf";
    const std::string command =
        std::string("QT_QPA_PLATFORM=offscreen '") + SOLVARA_CLI_PATH +
        "' buffer --buffer 'phosphate buffer 7.2' --ph 7.4 --concentration 0.1 --volume 1 "
        "--pdf '" +
        pdf.string() + "' >/dev/null 2>&1";
    for (auto _ : state) {
        if (std::system(command.c_str()) != 0) {
            state.SkipWithError("solvara-cli failed");
            break;
        }
    }
    std::filesystem::remove(pdf);
}
BENCHMARK(BM_RecipeToPdfFromTheCommandLine)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
