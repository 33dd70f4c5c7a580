// Every keystroke in the buffer design view recalculates the design, redraws
// the capacity plot (a fresh 280-point curve, since the recalculation drops
// it), re-ranks the default buffers by capacity and redraws the recipe with
// its pH-temperature series and expected pH changes. Target: the whole of it
// within 5 ms on one core for phosphate 7.2 at pH 7.4, 0.1 M, 1 L, 25 degC.
// One benchmark per piece shows how the time divides.
#include <benchmark/benchmark.h>

#include <memory>

#include "core/buffer/buffer_database.h"
#include "core/buffer/buffer_preparation.h"
#include "core/buffer/buffer_preparation_results.h"
#include "core/buffer/capacity_curve.h"
#include "core/buffer/inert_salt.h"
#include "core/buffer/prepared_mixture_ph.h"
#include "core/buffer/standalone_buffer.h"
#include "core/bufferdoc/listed_buffer_capacity.h"
#include "core/program/program_model.h"

namespace solvara {
namespace {

// The design of one buffer document: phosphate 7.2 at pH 7.4, 0.1 M, 1 L.
struct Design {
    Design() : buffer(*program) {
        buffer = *program->buffers.DefaultVariant("phosphate buffer 7.2");
        salt = *program->salts.FindByName("sodium chloride, 1M");
        inputs.pH = 7.4;
        inputs.concentration = 0.1;
        inputs.volume = 1.0;
        inputs.temperature = 25.0;
        inputs.preparationTemperature = 25.0;
    }

    void recalculate() { recalculatePreparation(buffer, salt, inputs, results, *program); }
    const std::vector<double>* capacityCurve() {
        return CapacityCurve(buffer, *program, inputs.pH, inputs.concentration, inputs.temperature,
                             results.saltIonicStrength);
    }

    std::shared_ptr<ProgramModel> program = makeStarterProgramModel();
    StandaloneBuffer buffer;
    InertSalt salt;
    BufferPreparationInputs inputs;
    BufferPreparationResults results;
};

void PrepareBufferPhosphate72(benchmark::State& state) {
    const std::shared_ptr<ProgramModel> program = makeStarterProgramModel();
    Buffer& buffer = *program->buffers.DefaultVariant("phosphate buffer 7.2");
    for (auto _ : state) {
        double c1 = 0.0;
        double c2 = 0.0;
        benchmark::DoNotOptimize(
            PrepareBuffer(buffer, *program, {7.4, 0.1, 25.0, false, 0.0}, c1, c2));
        benchmark::DoNotOptimize(c1 + c2);
    }
}
BENCHMARK(PrepareBufferPhosphate72);

void KeystrokeRecalculate(benchmark::State& state) {
    Design design;
    for (auto _ : state) {
        design.recalculate();
        benchmark::DoNotOptimize(design.results.capacity);
    }
}
BENCHMARK(KeystrokeRecalculate);

void KeystrokeCapacityCurve(benchmark::State& state) {
    Design design;
    design.recalculate();
    for (auto _ : state) {
        design.buffer.capacityCurve.clear();  // as every recalculation does
        benchmark::DoNotOptimize(design.capacityCurve());
    }
}
BENCHMARK(KeystrokeCapacityCurve);

void KeystrokeListedCapacities(benchmark::State& state) {
    Design design;
    for (auto _ : state) {
        benchmark::DoNotOptimize(DefaultBufferCapacities(*design.program, design.inputs));
    }
}
BENCHMARK(KeystrokeListedCapacities);

void KeystrokeTemperatureSeries(benchmark::State& state) {
    Design design;
    design.recalculate();
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            PHVersusTemperature(design.buffer, *design.program, design.results));
    }
}
BENCHMARK(KeystrokeTemperatureSeries);

void KeystrokeExpectedChanges(benchmark::State& state) {
    Design design;
    design.recalculate();
    for (auto _ : state) {
        benchmark::DoNotOptimize(ExpectedPHChangesAt(design.buffer, *design.program, design.results,
                                                     design.inputs.temperature));
    }
}
BENCHMARK(KeystrokeExpectedChanges);

void KeystrokeWhole(benchmark::State& state) {
    Design design;
    for (auto _ : state) {
        design.recalculate();
        benchmark::DoNotOptimize(design.capacityCurve());
        benchmark::DoNotOptimize(DefaultBufferCapacities(*design.program, design.inputs));
        benchmark::DoNotOptimize(
            PHVersusTemperature(design.buffer, *design.program, design.results));
        benchmark::DoNotOptimize(ExpectedPHChangesAt(design.buffer, *design.program, design.results,
                                                     design.inputs.temperature));
    }
}
BENCHMARK(KeystrokeWhole);

}  // namespace
}  // namespace solvara
