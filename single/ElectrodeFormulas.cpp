#include "single/ElectrodeFormulas.h"

#include "app/Fp.h"

namespace electrode {

using fp::Real;

namespace {
// The factors of every formula are named so that they are evaluated, and fail, left to right.
const Real k2Pi = 6.28;
const Real kPi = 3.14;
} // namespace

std::optional<double> sphereInGround(double rho, double D, double t) {
    if (!(Real(2) * t > D))
        return std::nullopt;
    const Real first = Real(rho) / (k2Pi * D);
    return (first * (Real(D) / (Real(4) * t) + Real(1))).value();
}

std::optional<double> hemisphereAtSurface(double rho, double D) {
    return (Real(rho) / (kPi * D)).value();
}

std::optional<double> rodAtSurface(double rho, double d, double l) {
    if (!(Real(l) > d))
        return std::nullopt;
    const Real first = Real(rho) / (k2Pi * l);
    return (first * fp::ln(Real(4) * l / d)).value();
}

std::optional<double> rodInGround(double rho, double d, double l, double t0) {
    if (!(Real(t0) > 0.5))
        return std::nullopt;
    const Real t = Real(t0) + Real(l) / Real(2);
    const Real fourT = Real(4) * t;
    const Real first = Real(rho) / (k2Pi * l);
    const Real log1 = fp::ln(Real(2) * l / d);
    return (first * (log1 + Real(0.5) * fp::ln((fourT + l) / (fourT - l)))).value();
}

std::optional<double> roundAtSurface(double rho, double d, double l) {
    if (!(Real(l) > d))
        return std::nullopt;
    const Real first = Real(rho) / (kPi * l);
    return (first * fp::ln(Real(2) * l / d)).value();
}

std::optional<double> roundInGround(double rho, double d, double l, double t) {
    if (!(Real(l) > d && Real(l) > Real(4) * t))
        return std::nullopt;
    const Real first = Real(rho) / (k2Pi * l);
    return (first * fp::ln(Real(l) * l / (Real(d) * t))).value();
}

std::optional<double> stripAtSurface(double rho, double b, double l) {
    if (!(Real(l) > b))
        return std::nullopt;
    const Real first = Real(rho) / (kPi * l);
    return (first * fp::ln(Real(4) * l / b)).value();
}

std::optional<double> stripInGround(double rho, double b, double l, double t) {
    if (!(Real(l) > b && Real(l) > Real(4) * t))
        return std::nullopt;
    const Real first = Real(rho) / (k2Pi * l);
    return (first * fp::ln(Real(2) * l * l / (Real(b) * t))).value();
}

std::optional<double> ringAtSurface(double rho, double D, double d) {
    if (!(Real(D) > d))
        return std::nullopt;
    const Real first = fp::ln(Real(8) * D / d);
    return (first * (Real(rho) / (Real(9.8596) * D))).value();
}

std::optional<double> ringInGround(double rho, double D, double d, double t) {
    if (!(Real(D) > d && Real(2) * t < D))
        return std::nullopt;
    const Real first = fp::ln(Real(12.56) * D * D / (Real(d) * t));
    return (first * (Real(rho) / (Real(19.7192) * D))).value();
}

std::optional<double> plateAtSurface(double rho, double D) {
    return (Real(rho) / (Real(2) * D)).value();
}

namespace {
// The round plate at depth t, without its condition; shared by the rectangular plate.
double plateFormula(Real rho, Real D, Real t) {
    const Real first = rho / (Real(4) * D);
    const Real angle = fp::asin(D / fp::sqrt(D * D + Real(16) * t * t));
    return (first * (Real(1) + Real(2) / kPi * angle)).value();
}
} // namespace

std::optional<double> plateInGround(double rho, double D, double t) {
    if (!(Real(2) * t > D))
        return std::nullopt;
    return plateFormula(rho, D, t);
}

std::optional<double> rectangularPlateInGround(double rho, double a, double b, double t) {
    if (!(Real(a) < b && Real(b) < Real(4) * a && Real(a) < Real(2) * t))
        return std::nullopt;
    const Real D = Real(2) * fp::sqrt(Real(a) * b / kPi);
    return plateFormula(rho, D, t);
}

} // namespace electrode
