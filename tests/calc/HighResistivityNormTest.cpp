// The norm raised for soil of high resistivity: 0.01·ρ times, at most tenfold, ρ without ψв.
#include "calc/HighResistivityNorm.h"

#include <gtest/gtest.h>

namespace {

TEST(HighResistivityNorm, RaisedByResistivityAtMostTenfold) {
    struct Case {
        double resistivity; // ρ1 = ρ2, Ohm·m
        double installed;   // R, Ohm
        double factor;      // 0 where the norm is not raised
        bool meets;
    };
    const Case cases[] = {
        {60, 3.5, 0, true},  {100, 3.5, 0, true},  {500, 19, 5, true},
        {500, 21, 5, false}, {2000, 39, 10, true}, {5000, 41, 10, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.resistivity);
        DesignState s;
        s.UpperResistivity = s.LowerResistivity = c.resistivity;
        s.ClimaticCoefVertical = 1.8; // not taken: ρ is computed with ψв = 1
        s.UpperLayerThickness = 2;
        s.HorizontalDepth = 0.7;
        s.VerticalLength = 3;
        s.ElectrodeLayers = ElectrodeLayers::Both;
        s.NormalizedResistance = 4;
        s.CheckInstallationResistance = c.installed;
        const std::optional<RaisedNorm> raised = raisedNorm(s);
        ASSERT_EQ(raised.has_value(), c.factor > 0);
        if (!raised)
            continue;
        EXPECT_DOUBLE_EQ(raised->resistivity, c.resistivity);
        EXPECT_DOUBLE_EQ(raised->factor, c.factor);
        EXPECT_DOUBLE_EQ(raised->norm, 4 * c.factor);
        EXPECT_EQ(raised->meets, c.meets);
    }
}

} // namespace
