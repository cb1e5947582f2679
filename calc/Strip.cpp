#include "calc/Strip.h"

#include "base/Fp.h"

using fp::Real;

double stripSegments(ElectrodeArrangement arrangement, double count) {
    return arrangement == ElectrodeArrangement::Contour ? count : count - 1;
}

double stripLength(const DesignState& s, double count) {
    return (Real(stripSegments(s.ElectrodeArrangement, count)) * s.VerticalSpacing).value();
}

double stripSpreadingResistance(const DesignState& s, double length) {
    // The strip lies in the upper layer at depth t0.
    const Real L = length, t0 = s.HorizontalDepth, etaH = s.UtilizationHorizontal;
    const Real factor = Real(0.366) * s.ClimaticCoefHorizontal * s.UpperResistivity / (L * etaH);
    const Real logTerm = fp::lg(Real(2) * L * L / (Real(s.StripWidthMm) / 1000 * t0));
    return (factor * logTerm).value();
}
