// The normalized resistance raised for soil of high resistivity: where ρ > 100 Ohm·m the norm may
// be raised 0.01·ρ times, at most tenfold.
#pragma once

#include "design/DesignState.h"

#include <optional>

struct RaisedNorm {
    double resistivity = 0.0; // ρ, Ohm·m: the equivalent resistivity with ψv = 1
    double factor = 0.0;      // 0.01·ρ, at most 10
    double norm = 0.0;        // Rn·factor, Ohm
    // Whether the installed system meets the raised norm; empty when its R was not computed.
    std::optional<bool> meets;
};

// The raised norm of the design; none where ρ ≤ 100 Ohm·m or ρ cannot be computed.
std::optional<RaisedNorm> raisedNorm(const DesignState& state);
