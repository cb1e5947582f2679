// The first worked design: garden soil on both layers, ψv = 1.35, angle steel in a row.
#pragma once

#include "calc/ElectrodeStage.h"
#include "design/DesignState.h"

namespace worked {

struct Design {
    DesignState state;  // as the site stage leaves it, with both selectors picked
    ElectrodeInputs in; // the texts of the electrode page
};

// ρ1 = ρ2 = 40, ψv = 1,35, ψh = 2,5, H = 3, t0 = 0,8, Rn = 4; b = 60, L = 2,5, bs = 40, a = 5,
// ηh = 0,5, ηv = 0,65 (comma as separator).
inline Design rowOfAngles() {
    Design d;
    DesignState& s = d.state;
    s.UpperResistivity = s.LowerResistivity = 40;
    s.ClimaticCoefVertical = 1.35;
    s.ClimaticCoefHorizontal = 2.5;
    s.UpperLayerThickness = 3;
    s.HorizontalDepth = 0.8;
    s.NormalizedResistance = 4;
    s.ElectrodeArrangement = ElectrodeArrangement::Row;
    s.ElectrodeMaterial = ElectrodeMaterial::Angle;
    d.in = {QStringLiteral("60"), QStringLiteral("2,5"), QStringLiteral("40"),
            QStringLiteral("5"),  QStringLiteral("0,5"), QStringLiteral("0,65")};
    return d;
}

} // namespace worked
