// The last step of the electrode calculation: the resistance of the system as it is installed,
// Nr electrodes joined by the strip of length Lh2, compared with Rn.
#pragma once

#include "design/DesignState.h"

#include <optional>

// The spreading resistance of a strip of length stripLength (m) laid as the design's strip is
// (width bs, depth t0, in the upper layer, coefficients ψh and ηh); empty when it cannot be
// computed or does not come out positive (a length, width, depth or coefficient that is not
// positive, a strip too short for the formula).
std::optional<double> stripResistance(const DesignState& state, double stripLength);

// Stores CheckStripResistance, CheckStripInGroupResistance, CheckVerticalGroupResistance and
// CheckInstallationResistance from the results of the calculation. Never throws: what cannot be
// computed stays empty. One electrode stands for itself (Rv), several as Rv / (Nr·ηv); a strip of
// length 0 takes no part.
void checkInstalledSystem(DesignState& state);

// Whether the installed system meets Rn; empty when its resistance could not be computed.
std::optional<bool> installationMeetsNorm(const DesignState& state);
