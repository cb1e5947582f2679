// The soil read off Wenner readings: known soils come back from their readings, exact or with
// random errors, and uniform readings give the uniform soil.
#include "calc/WennerFit.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <random>

namespace {

// Upper layers over lower ones of up to three times their resistivity, or of down to a tenth.
const TwoLayerSoil kSoils[] = {
    {.upper = 100, .lower = 300, .thickness = 2},  {.upper = 300, .lower = 100, .thickness = 2},
    {.upper = 1000, .lower = 100, .thickness = 3}, {.upper = 200, .lower = 40, .thickness = 0.5},
    {.upper = 500, .lower = 50, .thickness = 4},   {.upper = 2000, .lower = 200, .thickness = 1.5},
};

// Readings of a soil at `count` spacings spread evenly on a logarithmic scale over [from, to],
// each R multiplied by 1 + e with e drawn uniformly from [−error, error].
std::vector<WennerReading> readingsOf(const TwoLayerSoil& soil, double from, double to, int count,
                                      double error, std::mt19937& random) {
    std::vector<WennerReading> readings;
    for (int i = 0; i < count; ++i) {
        const double a = from * std::pow(to / from, static_cast<double>(i) / (count - 1));
        const double u = static_cast<double>(random()) / 4294967296.0; // [0, 1)
        const double rho = wennerApparentResistivity(soil, a).value * (1.0 + error * (2 * u - 1));
        readings.push_back({.spacing = a, .resistance = rho / (2 * std::numbers::pi * a)});
    }
    return readings;
}

void expectNear(const TwoLayerSoil& found, const TwoLayerSoil& soil, double tolerance) {
    EXPECT_NEAR(found.upper / soil.upper, 1.0, tolerance);
    EXPECT_NEAR(found.lower / soil.lower, 1.0, tolerance);
    EXPECT_NEAR(found.thickness / soil.thickness, 1.0, tolerance);
}

// Spacings from H/4 to 5H: exact readings give the soil back within 1 %, readings with 3 % random
// errors within 10 %; the two-layer soil is proposed either way.
TEST(WennerFit, TwoLayerSoilsComeBack) {
    const struct {
        double error;
        double tolerance;
    } cases[] = {{0.0, 0.01}, {0.03, 0.10}};
    std::mt19937 random(17);
    for (const auto& c : cases) {
        for (const TwoLayerSoil& soil : kSoils) {
            SCOPED_TRACE(testing::Message() << soil.upper << " " << soil.lower << " "
                                            << soil.thickness << " error " << c.error);
            const auto readings =
                readingsOf(soil, soil.thickness / 4, 5 * soil.thickness, 12, c.error, random);
            const SoilFit fit = fitSoil(readings);
            ASSERT_TRUE(fit.twoLayer);
            expectNear(fit.twoLayer->soil, soil, c.tolerance);
            EXPECT_LE(fit.twoLayer->misfit, 100 * c.error + 1e-6);
            EXPECT_EQ(fit.proposed, SoilModel::TwoLayer);
        }
    }
}

// Readings of a uniform soil give it back and propose it, not an invented layer: exact ones, and
// ones with random errors that a layer would not halve.
TEST(WennerFit, UniformReadingsGiveTheUniformSoil) {
    const struct {
        double error;
        int count;
    } cases[] = {{0.0, 3}, {0.0, 10}, {0.01, 3}, {0.01, 8}, {0.03, 20}};
    std::mt19937 random(29);
    for (const auto& c : cases) {
        for (const double rho : {10.0, 150.0, 5000.0}) {
            SCOPED_TRACE(testing::Message() << rho << " error " << c.error << " count " << c.count);
            const TwoLayerSoil uniform{.upper = rho, .lower = rho, .thickness = 1};
            const SoilFit fit = fitSoil(readingsOf(uniform, 0.5, 40, c.count, c.error, random));
            EXPECT_EQ(fit.proposed, SoilModel::Uniform);
            EXPECT_NEAR(fit.uniform.resistivity / rho, 1.0, c.error + 1e-12);
            EXPECT_LE(fit.uniform.misfit, 100 * c.error + 1e-10);
        }
    }
}

// With fewer than three spacings only the uniform soil is fitted: the geometric mean, and the
// RMS of the relative errors.
TEST(WennerFit, TooFewSpacingsForTwoLayers) {
    const double a = 2.0;
    const double twoPiA = 2 * std::numbers::pi * a;
    // ρкаж 100 and 400: ρ = 200, errors +100 % and −50 %.
    const std::vector<WennerReading> two{{.spacing = a, .resistance = 100 / twoPiA},
                                         {.spacing = 2 * a, .resistance = 400 / (2 * twoPiA)}};
    const SoilFit fit = fitSoil(two);
    EXPECT_FALSE(fit.twoLayer);
    EXPECT_EQ(fit.proposed, SoilModel::Uniform);
    EXPECT_NEAR(fit.uniform.resistivity, 200.0, 1e-9);
    EXPECT_NEAR(fit.uniform.misfit, 100 * std::sqrt((1.0 + 0.25) / 2), 1e-9);

    const MeasuredSoil applied = fit.soil(SoilModel::TwoLayer, two);
    EXPECT_EQ(applied.model, SoilModel::Uniform);
    EXPECT_EQ(applied.upper, applied.lower);
    EXPECT_EQ(applied.readings, two);
}

} // namespace
