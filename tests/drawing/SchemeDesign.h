// A computed design as the scheme sees it: angles of 60 mm at 5 m, 2,5 m long, under a strip of
// 40 mm at 0,8 m, with the count and the strip's length given.
#pragma once

#include "design/DesignState.h"

namespace schemetest {

inline DesignState design(ElectrodeArrangement arrangement, double count, double strip) {
    DesignState s;
    s.ElectrodeArrangement = arrangement;
    s.ElectrodeMaterial = ElectrodeMaterial::Angle;
    s.AngleFlangeWidthMm = 60;
    s.StripWidthMm = 40;
    s.VerticalLength = 2.5;
    s.VerticalSpacing = 5;
    s.HorizontalDepth = 0.8;
    s.UpperLayerThickness = 3;
    s.RefinedCount = count;
    s.RefinedHorizontalLength = strip;
    s.NormalizedResistance = 4;
    s.CheckInstallationResistance = 3.93;
    s.UpperSoilName = QStringLiteral("Садовая земля-40");
    s.LowerSoilName = QStringLiteral("Глина-60");
    return s;
}

} // namespace schemetest
