// The worked example of the electrode calculation, as the report sees it.
#pragma once

#include "app/DesignState.h"
#include "app/NumberText.h"
#include "calc/ElectrodeStage.h"

#include <stdexcept>

namespace reporttest {

// ρ1 = ρ2 = 40, ψv = 1,35, ψh = 2,5, H = 3, t0 = 0,8, Rn = 4; angle b = 60, L = 2,5, bs = 40,
// a = 5, ηh = 0,5, ηv = 0,65 in a row, computed by the electrode stage. The material of the state
// is then set to the one asked for.
inline DesignState workedExample(ElectrodeMaterial material = ElectrodeMaterial::Angle) {
    const NumberText numbers(QChar(','));
    DesignState s;
    s.UpperResistivity = 40;
    s.LowerResistivity = 40;
    s.ClimaticCoefVertical = 1.35;
    s.ClimaticCoefHorizontal = 2.5;
    s.UpperLayerThickness = 3;
    s.HorizontalDepth = 0.8;
    s.NormalizedResistance = 4;
    s.ElectrodeArrangement = ElectrodeArrangement::Row;
    s.ElectrodeMaterial = ElectrodeMaterial::Angle;
    const ElectrodeInputs inputs{QStringLiteral("60"),  QStringLiteral("2,5"),
                                 QStringLiteral("40"),  QStringLiteral("5"),
                                 QStringLiteral("0,5"), QStringLiteral("0,65")};
    if (!runElectrodeStage(inputs, numbers, s))
        throw std::logic_error("the worked example did not compute");
    s.ElectrodeMaterial = material;
    return s;
}

} // namespace reporttest
