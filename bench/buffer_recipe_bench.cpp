#include <benchmark/benchmark.h>

#include <memory>
#include <sstream>
#include <string>

#include "core/buffer/buffer_database.h"
#include "core/buffer/solvara_doc.h"
#include "core/buffer/solvara_doc_file.h"
#include "core/database/archive.h"
#include "core/database/program_model.h"
#include "core/report/buffer_recipe.h"
#include "core/report/recipe_page.h"

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
        benchmark::DoNotOptimize(recipePage(recipeContentOf(*document, "Thursday, December 10, 2026")));
    }
}
BENCHMARK(BM_RecipePage)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace solvara
