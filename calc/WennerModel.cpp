// What a Wenner array reads over a two-layer soil: the image series of the apparent resistivity.
#include "calc/WennerModel.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kTolerance = 1e-8;
constexpr int kMaxTerms = 5000;

} // namespace

ApparentResistivity wennerApparentResistivity(const TwoLayerSoil& soil, double spacing) {
    const double rho1 = soil.upper;
    const double rho2 = soil.lower;
    if (soil.thickness <= 0.0)
        return {.value = rho2, .byUpper = 0.0, .byLower = 1.0, .byThickness = 0.0};

    const double k = (rho2 - rho1) / (rho2 + rho1);
    const double c = 2.0 * soil.thickness / spacing;
    // ρкаж/ρ1 is never below this, so the rest is measured against it.
    const double scale = std::min(1.0, rho2 / rho1);

    // s = Σ Kⁿ·f(nc) with f(x) = 1/√(1 + x²) − 1/√(4 + x²); sK = ∂s/∂K; sC = ∂s/∂c.
    double s = 0.0, sK = 0.0, sC = 0.0;
    double kPrevious = 1.0; // Kⁿ⁻¹
    for (int n = 1; n <= kMaxTerms; ++n) {
        const double x = n * c;
        const double p = 1.0 / std::sqrt(1.0 + x * x);
        const double q = 1.0 / std::sqrt(4.0 + x * x);
        const double f = p - q;
        const double slope = x * (q * q * q - p * p * p); // f'(x)
        const double kn = kPrevious * k;
        s += kn * f;
        sK += n * kPrevious * f;
        sC += n * kn * slope;

        // What is left: f falls, and f(x) ≤ 1.5/x³. With K < 0 the terms alternate and shrink, so
        // the rest is below the next term; with K > 0 it is below that term times both
        // Σ(j≥0) Kʲ = 1/(1 − K) and, against the bound on f, Σ(m>n) (n/m)³ < n/2.
        const double next = (n + 1) * c;
        const double kNext = std::abs(kn * k);
        double rest = kNext * std::min(f, 1.5 / (next * next * next));
        if (k > 0.0)
            rest =
                std::min(rest / (1.0 - k), kNext * 0.75 / (static_cast<double>(n) * n * c * c * c));
        if (4.0 * rest <= kTolerance * scale)
            break;
        kPrevious = kn;
    }

    // ρкаж lies between ρ1 and ρ2; a truncated series is kept there.
    const double value =
        std::clamp(rho1 * (1.0 + 4.0 * s), std::min(rho1, rho2), std::max(rho1, rho2));
    const double ratio = value / rho1;
    // ∂K/∂ln ρ2 = −∂K/∂ln ρ1 = (1 − K²)/2 = 2ρ1ρ2/(ρ1 + ρ2)².
    const double kByLower = 2.0 * rho1 * rho2 / ((rho1 + rho2) * (rho1 + rho2));
    const double byLower = 4.0 * kByLower * sK / ratio;
    return {.value = value,
            .byUpper = 1.0 - byLower,
            .byLower = byLower,
            .byThickness = 4.0 * c * sC / ratio};
}
