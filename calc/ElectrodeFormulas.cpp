#include "calc/ElectrodeFormulas.h"

#include "base/Fp.h"

namespace electrode {

using fp::Real;

namespace {
// The factors of every formula are named so that they are evaluated, and fail, left to right.
const Real k2Pi = 6.28;
const Real kPi = 3.14;
} // namespace

bool sphereInGroundHolds(double D, double t) {
    return Real(2) * t > D;
}

double sphereInGround(double rho, double D, double t) {
    const Real first = Real(rho) / (k2Pi * D);
    return (first * (Real(D) / (Real(4) * t) + Real(1))).value();
}

bool hemisphereAtSurfaceHolds(double) {
    return true;
}

double hemisphereAtSurface(double rho, double D) {
    return (Real(rho) / (kPi * D)).value();
}

bool rodAtSurfaceHolds(double d, double l) {
    return Real(l) > d;
}

double rodAtSurface(double rho, double d, double l) {
    const Real first = Real(rho) / (k2Pi * l);
    return (first * fp::ln(Real(4) * l / d)).value();
}

bool rodInGroundHolds(double, double, double t0) {
    return Real(t0) > 0.5;
}

double rodInGround(double rho, double d, double l, double t0) {
    const Real t = Real(t0) + Real(l) / Real(2);
    const Real fourT = Real(4) * t;
    const Real first = Real(rho) / (k2Pi * l);
    const Real log1 = fp::ln(Real(2) * l / d);
    return (first * (log1 + Real(0.5) * fp::ln((fourT + l) / (fourT - l)))).value();
}

bool roundAtSurfaceHolds(double d, double l) {
    return Real(l) > d;
}

double roundAtSurface(double rho, double d, double l) {
    const Real first = Real(rho) / (kPi * l);
    return (first * fp::ln(Real(2) * l / d)).value();
}

bool roundInGroundHolds(double d, double l, double t) {
    return Real(l) > d && Real(l) > Real(4) * t;
}

double roundInGround(double rho, double d, double l, double t) {
    const Real first = Real(rho) / (k2Pi * l);
    return (first * fp::ln(Real(l) * l / (Real(d) * t))).value();
}

bool stripAtSurfaceHolds(double b, double l) {
    return Real(l) > b;
}

double stripAtSurface(double rho, double b, double l) {
    const Real first = Real(rho) / (kPi * l);
    return (first * fp::ln(Real(4) * l / b)).value();
}

bool stripInGroundHolds(double b, double l, double t) {
    return Real(l) > b && Real(l) > Real(4) * t;
}

double stripInGround(double rho, double b, double l, double t) {
    const Real first = Real(rho) / (k2Pi * l);
    return (first * fp::ln(Real(2) * l * l / (Real(b) * t))).value();
}

bool ringAtSurfaceHolds(double D, double d) {
    return Real(D) > d;
}

double ringAtSurface(double rho, double D, double d) {
    const Real first = fp::ln(Real(8) * D / d);
    return (first * (Real(rho) / (Real(9.8596) * D))).value();
}

bool ringInGroundHolds(double D, double d, double t) {
    return Real(D) > d && Real(2) * t < D;
}

double ringInGround(double rho, double D, double d, double t) {
    const Real first = fp::ln(Real(12.56) * D * D / (Real(d) * t));
    return (first * (Real(rho) / (Real(19.7192) * D))).value();
}

bool plateAtSurfaceHolds(double) {
    return true;
}

double plateAtSurface(double rho, double D) {
    return (Real(rho) / (Real(2) * D)).value();
}

namespace {
// The round plate at depth t; shared by the rectangular plate.
double plateFormula(Real rho, Real D, Real t) {
    const Real first = rho / (Real(4) * D);
    const Real angle = fp::asin(D / fp::sqrt(D * D + Real(16) * t * t));
    return (first * (Real(1) + Real(2) / kPi * angle)).value();
}
} // namespace

bool plateInGroundHolds(double D, double t) {
    return Real(2) * t > D;
}

double plateInGround(double rho, double D, double t) {
    return plateFormula(rho, D, t);
}

bool rectangularPlateInGroundHolds(double a, double b, double t) {
    return Real(a) < b && Real(b) < Real(4) * a && Real(a) < Real(2) * t;
}

double rectangularPlateInGround(double rho, double a, double b, double t) {
    const Real D = Real(2) * fp::sqrt(Real(a) * b / kPi);
    return plateFormula(rho, D, t);
}

} // namespace electrode
