// How fast the core computes: a whole design from page texts, and the number texts.
#include "base/NumberText.h"
#include "calc/ElectrodeStage.h"
#include "calc/SiteStage.h"

#include <benchmark/benchmark.h>

namespace {

const NumberText numbers(QLatin1Char(','));

void wholeDesign(benchmark::State& st) {
    SiteInputs site{7,
                    7,
                    QStringLiteral("1,35"),
                    QStringLiteral("2,5"),
                    QStringLiteral("3"),
                    QStringLiteral("0,8"),
                    QStringLiteral("4"),
                    std::nullopt};
    ElectrodeInputs electrodes{QStringLiteral("60"), QStringLiteral("2,5"), QStringLiteral("40"),
                               QStringLiteral("5"),  QStringLiteral("0,5"), QStringLiteral("0,65")};
    for (auto _ : st) {
        DesignState s;
        s.ElectrodeArrangement = ElectrodeArrangement::Row;
        s.ElectrodeMaterial = ElectrodeMaterial::Angle;
        runSiteStage(site, numbers, s);
        benchmark::DoNotOptimize(runElectrodeStage(electrodes, numbers, s));
    }
}
BENCHMARK(wholeDesign);

void generalForm(benchmark::State& st) {
    double v = 0.855;
    for (auto _ : st) {
        benchmark::DoNotOptimize(numbers.general(v));
        v += 1e-3;
    }
}
BENCHMARK(generalForm);

void decimalReading(benchmark::State& st) {
    const QString text = QStringLiteral("  1234,5678E-2 ");
    for (auto _ : st)
        benchmark::DoNotOptimize(numbers.readDecimal(text));
}
BENCHMARK(decimalReading);

} // namespace

BENCHMARK_MAIN();
