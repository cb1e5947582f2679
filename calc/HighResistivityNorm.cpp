// The norm raised for soil of high resistivity.
#include "calc/HighResistivityNorm.h"

#include "base/Errors.h"
#include "calc/EquivalentResistivity.h"

#include <algorithm>

std::optional<RaisedNorm> raisedNorm(const DesignState& s) {
    constexpr double kHighResistivity = 100.0; // Ohm·m
    constexpr double kMostFactor = 10.0;
    RaisedNorm raised;
    try {
        raised.resistivity = equivalentResistivity(s, 1.0);
    } catch (const ArithmeticFault&) {
        return std::nullopt;
    }
    if (!(raised.resistivity > kHighResistivity))
        return std::nullopt;
    raised.factor = std::min(0.01 * raised.resistivity, kMostFactor);
    raised.norm = s.NormalizedResistance * raised.factor;
    if (s.CheckInstallationResistance)
        raised.meets = *s.CheckInstallationResistance <= raised.norm;
    return raised;
}
