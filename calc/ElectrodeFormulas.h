// Spreading resistance of one earth electrode of each shape of the catalogue.
//
// rho is the soil resistance in Ohm*m, dimensions are in metres, the result is in ohms. Each shape
// has its condition, tested strictly (the ...Holds functions), and its handbook formula as
// written, with 2*pi taken as 6.28 and pi as 3.14; a formula is evaluated only once its
// condition holds. A division by zero, an invalid operation or an overflow, in a condition or in
// a formula, throws ArithmeticFault.
#pragma once

namespace electrode {

// 1: sphere, centre at depth t; 2t > D.
bool sphereInGroundHolds(double D, double t);
double sphereInGround(double rho, double D, double t);
// 2: hemisphere at the surface; no condition.
bool hemisphereAtSurfaceHolds(double D);
double hemisphereAtSurface(double rho, double D);
// 3: tube or rod driven from the surface; l > d.
bool rodAtSurfaceHolds(double d, double l);
double rodAtSurface(double rho, double d, double l);
// 4: tube or rod with its top at depth t0; t0 > 0.5.
bool rodInGroundHolds(double d, double l, double t0);
double rodInGround(double rho, double d, double l, double t0);
// 5: long round electrode on the surface; l > d.
bool roundAtSurfaceHolds(double d, double l);
double roundAtSurface(double rho, double d, double l);
// 6: long round electrode at depth t; l > d and l > 4t.
bool roundInGroundHolds(double d, double l, double t);
double roundInGround(double rho, double d, double l, double t);
// 7: long flat strip on the surface; l > b.
bool stripAtSurfaceHolds(double b, double l);
double stripAtSurface(double rho, double b, double l);
// 8: long strip on edge at depth t; l > b and l > 4t.
bool stripInGroundHolds(double b, double l, double t);
double stripInGround(double rho, double b, double l, double t);
// 9: ring on the surface; D > d.
bool ringAtSurfaceHolds(double D, double d);
double ringAtSurface(double rho, double D, double d);
// 10: ring at depth t; D > d and 2t < D.
bool ringInGroundHolds(double D, double d, double t);
double ringInGround(double rho, double D, double d, double t);
// 11: round plate on the surface; no condition.
bool plateAtSurfaceHolds(double D);
double plateAtSurface(double rho, double D);
// 12: round plate, centre at depth t; 2t > D.
bool plateInGroundHolds(double D, double t);
double plateInGround(double rho, double D, double t);
// 13: rectangular plate a x b, centre at depth t; a < b < 4a and a < 2t. Computed as the round
// plate of equal area.
bool rectangularPlateInGroundHolds(double a, double b, double t);
double rectangularPlateInGround(double rho, double a, double b, double t);

} // namespace electrode
