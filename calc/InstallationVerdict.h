// The one line that says whether the installed system meets the normalized resistance.
#pragma once

#include "base/NumberText.h"
#include "design/DesignState.h"

#include <QString>

enum class VerdictOutcome { Meets, Fails, NotComputed };

struct InstallationVerdict {
    // "R = 3,93 Ом ≤ Rн = 4 Ом", "R = 20,01 Ом > Rн = 20 Ом — требование не выполняется", or a
    // sentence saying that R cannot be computed.
    QString text;
    // The formula by which R is computed for this design: the electrodes in parallel with the
    // strip as laid, one electrode or several, a strip or none.
    QString toolTip;
    VerdictOutcome outcome = VerdictOutcome::NotComputed;
    bool fails() const { return outcome == VerdictOutcome::Fails; }
};

// "R = <R> Ом ≤ Rн = <Rн> Ом" (">" when it is not met), R with two decimals and Rн whole, as the
// note states the check; empty when R could not be computed.
QString installationComparison(const DesignState& state, const NumberText& numbers);

// The verdict on the check of the installed system stored in the design (Check* values and Rн).
InstallationVerdict installationVerdict(const DesignState& state, const NumberText& numbers);
