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

// "R = <R> Ом ≤ Rн = <Rн> Ом" (">" when it is not met), R as resistanceAgainstNorm writes it and
// Rн whole, as the note states the check; empty when R could not be computed.
QString installationComparison(const DesignState& state, const NumberText& numbers);

// R written beside the norm it is held against, as the norm is written: in the results' form with
// two decimals, or with as many true decimals (up to six) as it takes for an R above the norm to
// read above it ("4,003 > 4" where two decimals would give "4,00 > 4").
QString resistanceAgainstNorm(double r, double writtenNorm, const NumberText& numbers);

// The verdict on the check of the installed system stored in the design (Check* values and Rн).
InstallationVerdict installationVerdict(const DesignState& state, const NumberText& numbers);
