// The climatic coefficients of the zone dialog, remembered between confirmations.
#pragma once

#include "tables/ClimaticTable.h"

#include <array>
#include <optional>

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
    // The zone (0 to 3 for I to IV) whose values are the current ones; none before a zone has
    // been loaded.
    std::optional<int> zone() const { return m_zone; }

    // Takes up a loaded zone (none, or 0 to 3; any other is taken as none) and a remembered
    // vertical coefficient, as if confirmations had left them.
    void restore(std::optional<int> zone, double vertical);

private:
    ZoneCoefficients m_current;
    double m_vertical = 0.0;
    std::optional<int> m_zone;
};
