// The image series of a Wenner array over a two-layer soil: its limits, values summed
// independently, and its slopes.
#include "calc/WennerModel.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace {

TwoLayerSoil soil(double upper, double lower, double thickness) {
    return {.upper = upper, .lower = lower, .thickness = thickness};
}

// Values of the series summed to 200 000 terms, from the last term to the first, by a separate
// program.
TEST(WennerModel, ValuesOfTheSeries) {
    const struct {
        TwoLayerSoil soil;
        double spacing;
        double expected;
    } cases[] = {
        {soil(100, 300, 1), 2, 163.95076868079897},  {soil(100, 300, 2), 1, 104.11709928254933},
        {soil(300, 100, 1), 2, 167.44875088025117},  {soil(50, 500, 3), 10, 164.9081208505891},
        {soil(1000, 100, 2), 4, 338.67273660125585}, {soil(100, 10000, 1), 1, 148.8986438832457},
    };
    for (const auto& c : cases)
        EXPECT_NEAR(wennerApparentResistivity(c.soil, c.spacing).value, c.expected,
                    2e-8 * c.expected)
            << c.soil.upper << " " << c.soil.lower << " " << c.soil.thickness << " " << c.spacing;
}

// An upper layer far thicker than the spacing reads ρ1, one far thinner reads ρ2. Contrasts that
// would need more terms than the series is given still read a value between the two layers.
TEST(WennerModel, Limits) {
    const struct {
        TwoLayerSoil soil;
        bool summedToTheEnd;
    } cases[] = {{soil(100, 300, 1), true}, {soil(300, 100, 1), true}, {soil(10, 1000, 1), true},
                 {soil(1000, 10, 1), true}, {soil(50, 50, 1), true},   {soil(1, 1e8, 1), false},
                 {soil(1e8, 1, 1), false}};
    for (const auto& c : cases) {
        const TwoLayerSoil& s = c.soil;
        for (const double spacing : {0.5, 5.0, 50.0}) {
            SCOPED_TRACE(testing::Message() << s.upper << " " << s.lower << " " << spacing);
            TwoLayerSoil thick = s, thin = s;
            thick.thickness = 1e6 * spacing;
            thin.thickness = 1e-6 * spacing;
            EXPECT_NEAR(wennerApparentResistivity(thick, spacing).value, s.upper, 1e-6 * s.upper);
            const double thinValue = wennerApparentResistivity(thin, spacing).value;
            if (c.summedToTheEnd) {
                EXPECT_NEAR(thinValue, s.lower, 1e-6 * s.lower);
            } else {
                EXPECT_GE(thinValue, std::min(s.upper, s.lower));
                EXPECT_LE(thinValue, std::max(s.upper, s.lower));
            }
        }
        TwoLayerSoil none = s;
        none.thickness = 0.0;
        EXPECT_EQ(wennerApparentResistivity(none, 1.0).value, s.lower);
    }
}

// The slopes by ln ρ1, ln ρ2 and ln H against central differences.
TEST(WennerModel, SlopesOfTheLogarithm) {
    const TwoLayerSoil soils[] = {soil(100, 300, 1), soil(300, 100, 1), soil(50, 2000, 3),
                                  soil(800, 20, 0.5)};
    constexpr double h = 1e-5;
    for (const TwoLayerSoil& s : soils) {
        for (const double spacing : {0.3, 1.0, 4.0, 20.0}) {
            const auto lnRho = [spacing](TwoLayerSoil t) {
                return std::log(wennerApparentResistivity(t, spacing).value);
            };
            const auto difference = [&](double TwoLayerSoil::*parameter) {
                TwoLayerSoil up = s, down = s;
                up.*parameter *= std::exp(h);
                down.*parameter *= std::exp(-h);
                return (lnRho(up) - lnRho(down)) / (2 * h);
            };
            const ApparentResistivity rho = wennerApparentResistivity(s, spacing);
            EXPECT_NEAR(rho.byUpper, difference(&TwoLayerSoil::upper), 1e-6);
            EXPECT_NEAR(rho.byLower, difference(&TwoLayerSoil::lower), 1e-6);
            EXPECT_NEAR(rho.byThickness, difference(&TwoLayerSoil::thickness), 1e-6);
        }
    }
}

} // namespace
