// The two models run on every Newton step of the pH solver.
#include <benchmark/benchmark.h>

#include "core/equilibrium/activity_coefficients.h"
#include "core/equilibrium/water_ion_product.h"

namespace {

void WaterIonProductCompute(benchmark::State& state) {
    solvara::WaterIonProduct water;
    double temperature = 22.5;
    double ionicStrength = 0.1;
    for (auto _ : state) {
        benchmark::DoNotOptimize(temperature);
        benchmark::DoNotOptimize(ionicStrength);
        benchmark::DoNotOptimize(water.Kw(temperature, ionicStrength));
    }
}
BENCHMARK(WaterIonProductCompute);

void ActivityCoefficientsCompute(benchmark::State& state) {
    const bool logsOnly = state.range(0) != 0;
    solvara::ActivityCoefficients coefficients;
    double ionicStrength = 0.1;
    double temperature = 22.5;
    double daviesC = -0.3;
    for (auto _ : state) {
        benchmark::DoNotOptimize(ionicStrength);
        benchmark::DoNotOptimize(temperature);
        benchmark::DoNotOptimize(daviesC);
        coefficients.compute(ionicStrength, temperature, daviesC, logsOnly);
        benchmark::DoNotOptimize(coefficients);
    }
}
BENCHMARK(ActivityCoefficientsCompute)->ArgName("logsOnly")->Arg(0)->Arg(1);

}  // namespace
