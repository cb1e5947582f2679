// The climatic coefficients of the zone dialog, remembered between confirmations.
#pragma once

#include "dialogs/ClimaticTable.h"

#include <array>

class ClimaticPick {
public:
    struct Coefficients {
        double vertical = 0.0;
        double horizontal = 0.0;
    };

    // One confirmation. zones: which of the zone buttons I to IV are selected; each selected
    // zone, in order, loads the current zone values (none selected keeps them). typePosition:
    // the picked position of the electrode type, -1 when none; a picked type takes its vertical
    // value as the remembered vertical coefficient. Returns that coefficient and the current
    // horizontal value.
    Coefficients confirm(const std::array<bool, 4>& zones, int typePosition);

    const ZoneCoefficients& current() const { return m_current; }
    double vertical() const { return m_vertical; }

private:
    ZoneCoefficients m_current;
    double m_vertical = 0.0;
};
