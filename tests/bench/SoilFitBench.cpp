// How fast the soil is read off Wenner readings: the fit of 20 readings (goal: at most 50 ms).
#include "calc/WennerFit.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <random>

namespace {

void soilFitOf20Readings(benchmark::State& st) {
    // A two-layer soil read at 20 spacings from H/4 to 5H, with random errors of up to 3 %.
    const TwoLayerSoil soil{.upper = 100, .lower = 300, .thickness = 2};
    std::mt19937 random(3);
    std::vector<WennerReading> readings;
    for (int i = 0; i < 20; ++i) {
        const double a = 0.5 * std::pow(20.0, i / 19.0);
        const double error = 0.03 * (2 * (static_cast<double>(random()) / 4294967296.0) - 1);
        const double rho = wennerApparentResistivity(soil, a).value * (1 + error);
        readings.push_back({.spacing = a, .resistance = rho / (2 * std::numbers::pi * a)});
    }
    for (auto _ : st)
        benchmark::DoNotOptimize(fitSoil(readings));
}
BENCHMARK(soilFitOf20Readings)->Unit(benchmark::kMillisecond);

} // namespace
