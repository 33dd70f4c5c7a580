#include <benchmark/benchmark.h>

#include <memory>
#include <sstream>
#include <string>

#include "core/archive/archive.h"
#include "core/buffer/buffer_database.h"
#include "core/bufferdoc/buffer_recipe.h"
#include "core/bufferdoc/recipe_page.h"
#include "core/bufferdoc/solvara_doc.h"
#include "core/bufferdoc/solvara_doc_file.h"
#include "core/program/program_model.h"

namespace solvara {
namespace {

// A phosphate buffer designed at pH 7.2, recalculated.
std::unique_ptr<CSolvaraDoc> phosphateDesign(ProgramModel& program) {
    auto document = std::make_unique<CSolvaraDoc>(program);
    document->setPH(7.2);
    document->PickBuffer(*program.buffers.FindVariant(
        "phosphate buffer 7.2", "sodium dihydrogenphosphate/disodium hydrogenphosphate"));
    return document;
}

// Opening a saved design: reading the record and the recalculation that follows.
void BM_ReadBufferDocument(benchmark::State& state) {
    const std::shared_ptr<ProgramModel> program = makeStarterProgramModel();
    std::ostringstream out;
    {
        Archive archive(out, "bench.buf");
        phosphateDesign(*program)->Serialize(archive);
        archive.Close();
    }
    const std::string bytes = out.str();
    for (auto _ : state) {
        std::istringstream in(bytes);
        benchmark::DoNotOptimize(readBufferDocument(in, "bench.buf", *program));
    }
}
BENCHMARK(BM_ReadBufferDocument)->Unit(benchmark::kMicrosecond);

// One redraw of the recipe: the temperature series, the expected changes and the page items;
// the capacity curve is cached after the first drawing, as between redraws of the view.
void BM_RecipePage(benchmark::State& state) {
    const std::shared_ptr<ProgramModel> program = makeStarterProgramModel();
    const std::unique_ptr<CSolvaraDoc> document = phosphateDesign(*program);
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            recipePage(recipeContentOf(*document, "Thursday, December 10, 2026")));
    }
}
BENCHMARK(BM_RecipePage)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace solvara
