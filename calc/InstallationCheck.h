// The last step of the electrode calculation: the resistance of the system as it is installed,
// Nr electrodes joined by the strip of length Lh2, compared with Rn.
#pragma once

#include "design/DesignState.h"

#include <optional>

// Stores CheckStripResistance, CheckStripInGroupResistance, CheckVerticalGroupResistance and
// CheckInstallationResistance from the results of the calculation. Never throws: what cannot be
// computed stays empty. One electrode stands for itself (Rv), several as Rv / (Nr·ηv); a strip of
// length 0 takes no part.
void checkInstalledSystem(DesignState& state);

// Whether the installed system meets Rn; empty when its resistance could not be computed.
std::optional<bool> installationMeetsNorm(const DesignState& state);
