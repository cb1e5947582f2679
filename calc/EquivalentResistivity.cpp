#include "calc/EquivalentResistivity.h"

#include "base/Fp.h"

using fp::Real;

double equivalentResistivity(const DesignState& s, double psiVValue) {
    const Real rho1 = s.UpperResistivity, rho2 = s.LowerResistivity, psiV = psiVValue;
    const Real H = s.UpperLayerThickness, t0 = s.HorizontalDepth, L = s.VerticalLength;
    // The two-layer formula holds while the boundary crosses the electrode: H - t0 of its length
    // stands in the upper soil, L - H + t0 in the lower.
    switch (s.ElectrodeLayers) {
    case ElectrodeLayers::UpperOnly:
        return (psiV * rho1).value();
    case ElectrodeLayers::LowerOnly:
        return rho2.value();
    case ElectrodeLayers::Both:
        break;
    }
    const Real numerator = psiV * rho1 * rho2 * L;
    const Real denominator = psiV * rho1 * (L - H + t0) + rho2 * (H - t0);
    return (numerator / denominator).value();
}
