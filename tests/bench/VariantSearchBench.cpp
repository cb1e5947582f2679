// How fast the variant search runs: the default lists (216 combinations, target 5 ms) and
// 100 000 combinations (target 1 s).
#include "calc/VariantSearch.h"

#include <benchmark/benchmark.h>

namespace {

DesignState gardenSite() {
    DesignState s;
    s.UpperResistivity = s.LowerResistivity = 40;
    s.ClimaticCoefVertical = 1.35;
    s.ClimaticCoefHorizontal = 2.5;
    s.UpperLayerThickness = 3;
    s.HorizontalDepth = 0.8;
    s.NormalizedResistance = 4;
    return s;
}

void defaultVariantSearch(benchmark::State& st) {
    const DesignState site = gardenSite();
    for (auto _ : st)
        benchmark::DoNotOptimize(searchVariants(site, VariantSearchSettings{}));
}
BENCHMARK(defaultVariantSearch)->Unit(benchmark::kMillisecond);

void largeVariantSearch(benchmark::State& st) {
    const DesignState site = gardenSite();
    // 2 arrangements × 6 profiles × 100 lengths × 3 ratios × 28 strips = 100 800 combinations.
    VariantSearchSettings settings;
    settings.lengths.clear();
    for (int i = 0; i < 100; ++i)
        settings.lengths.push_back(2.0 + 0.05 * i);
    settings.strips.clear();
    for (int w = 30; w < 58; w += 2)
        for (int t = 4; t < 6; ++t)
            settings.strips.push_back({w, t});
    for (auto _ : st)
        benchmark::DoNotOptimize(searchVariants(site, settings));
}
BENCHMARK(largeVariantSearch)->Unit(benchmark::kMillisecond);

} // namespace
