#include "calc/InstallationCheck.h"

#include "base/Errors.h"
#include "base/Fp.h"
#include "calc/Strip.h"

using fp::Real;

namespace {

// The value computed by f when the arithmetic succeeds and the result is positive; the check
// reports what it cannot compute instead of stopping the calculation.
template <class Compute> std::optional<double> positiveOrNone(Compute&& compute) {
    try {
        const Real r = compute();
        if (r > 0)
            return r.value();
    } catch (const ArithmeticFault&) {
    }
    return std::nullopt;
}

// The spreading resistance of a strip of `length` metres laid as the design's strip is; empty
// when it cannot be computed or does not come out positive (a length, width, depth or coefficient
// that is not positive, a strip too short for the formula).
std::optional<double> stripResistance(const DesignState& s, double length) {
    if (!(length > 0) || !(s.StripWidthMm > 0) || !(s.HorizontalDepth > 0) ||
        !(s.UtilizationHorizontal > 0))
        return std::nullopt;
    return positiveOrNone([&] { return Real(stripSpreadingResistance(s, length)); });
}

} // namespace

void checkInstalledSystem(DesignState& s) {
    s.CheckStripResistance.reset();
    s.CheckStripInGroupResistance.reset();
    s.CheckVerticalGroupResistance.reset();
    s.CheckInstallationResistance.reset();

    const double count = s.RefinedCount;
    if (count == 1)
        s.CheckVerticalGroupResistance =
            positiveOrNone([&] { return Real(s.SingleVerticalResistance); });
    else if (count > 1 && s.UtilizationVertical > 0)
        s.CheckVerticalGroupResistance = positiveOrNone([&] {
            return Real(s.SingleVerticalResistance) / (Real(count) * s.UtilizationVertical);
        });

    const double length = s.RefinedHorizontalLength;
    const bool strip = length != 0;
    if (strip) {
        s.CheckStripResistance = stripResistance(s, length);
        if (s.CheckStripResistance)
            s.CheckStripInGroupResistance = positiveOrNone(
                [&] { return Real(*s.CheckStripResistance) / s.UtilizationHorizontal; });
    }

    if (!s.CheckVerticalGroupResistance)
        return;
    const Real group = *s.CheckVerticalGroupResistance;
    if (!strip) {
        s.CheckInstallationResistance = group.value();
        return;
    }
    if (!s.CheckStripInGroupResistance)
        return;
    const Real stripInGroup = *s.CheckStripInGroupResistance;
    s.CheckInstallationResistance =
        positiveOrNone([&] { return group * stripInGroup / (group + stripInGroup); });
}

std::optional<bool> installationMeetsNorm(const DesignState& s) {
    if (!s.CheckInstallationResistance)
        return std::nullopt;
    return *s.CheckInstallationResistance <= s.NormalizedResistance;
}
