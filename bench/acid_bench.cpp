// What the pH solver asks of every acid on every Newton step: the conditional constants for
// the current ionic strength, then the acid's charge, its slope and its ionic strength.
#include <benchmark/benchmark.h>

#include "core/chemistry/bl_acid.h"
#include "core/equilibrium/activity_coefficients.h"

namespace {

solvara::BLAcid phosphoricAcid() {
    solvara::BLAcid acid;
    acid.steps = 3;
    acid.pKa = {2.15, 7.20, 12.35, 0.0};
    acid.dpKadT = {0.0044, -0.0028, -0.026, 0.0};
    acid.charges = {0, -1, -2, -3, 0};
    acid.updateDerived();
    return acid;
}

void AcidNewtonStep(benchmark::State& state) {
    solvara::BLAcid acid = phosphoricAcid();
    const solvara::ActivityCoefficients coefficients(0.1, 37.0, -0.3, true);
    double temperature = 37.0;
    double ionicStrength = 0.1;
    double h = 1e-7;
    for (auto _ : state) {
        benchmark::DoNotOptimize(temperature);
        benchmark::DoNotOptimize(h);
        acid.computeConstants(temperature, ionicStrength, &coefficients, -0.3);
        double charge = 0.0;
        double chargeSlope = 0.0;
        double strength = 0.0;
        acid.addChargeAndStrength(0.05, h, charge, chargeSlope, strength);
        benchmark::DoNotOptimize(charge);
        benchmark::DoNotOptimize(chargeSlope);
        benchmark::DoNotOptimize(strength);
    }
}
BENCHMARK(AcidNewtonStep);

// Without given coefficients the acid computes its own (the species table's fractions).
void AcidFractions(benchmark::State& state) {
    solvara::BLAcid acid = phosphoricAcid();
    solvara::BLAcid::FormValues alpha{};
    double h = 1e-7;
    for (auto _ : state) {
        benchmark::DoNotOptimize(h);
        acid.fractions(h, 37.0, 0.1, -0.3, alpha);
        benchmark::DoNotOptimize(alpha);
    }
}
BENCHMARK(AcidFractions);

}  // namespace
