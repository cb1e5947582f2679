// Spreading resistance of one earth electrode of each shape of the catalogue.
//
// rho is the soil resistance in Ohm*m, dimensions are in metres, the result is in ohms. Each
// function first tests the shape's condition (strictly) and gives nothing when it does not hold;
// otherwise it evaluates the handbook formula as written, with 2*pi taken as 6.28 and pi as 3.14.
// A division by zero, an invalid operation or an overflow throws ArithmeticFault.
#pragma once

#include <optional>

namespace electrode {

// 1: sphere, centre at depth t; 2t > D.
std::optional<double> sphereInGround(double rho, double D, double t);
// 2: hemisphere at the surface; no condition.
std::optional<double> hemisphereAtSurface(double rho, double D);
// 3: tube or rod driven from the surface; l > d.
std::optional<double> rodAtSurface(double rho, double d, double l);
// 4: tube or rod with its top at depth t0; t0 > 0.5.
std::optional<double> rodInGround(double rho, double d, double l, double t0);
// 5: long round electrode on the surface; l > d.
std::optional<double> roundAtSurface(double rho, double d, double l);
// 6: long round electrode at depth t; l > d and l > 4t.
std::optional<double> roundInGround(double rho, double d, double l, double t);
// 7: long flat strip on the surface; l > b.
std::optional<double> stripAtSurface(double rho, double b, double l);
// 8: long strip on edge at depth t; l > b and l > 4t.
std::optional<double> stripInGround(double rho, double b, double l, double t);
// 9: ring on the surface; D > d.
std::optional<double> ringAtSurface(double rho, double D, double d);
// 10: ring at depth t; D > d and 2t < D.
std::optional<double> ringInGround(double rho, double D, double d, double t);
// 11: round plate on the surface; no condition.
std::optional<double> plateAtSurface(double rho, double D);
// 12: round plate, centre at depth t; 2t > D.
std::optional<double> plateInGround(double rho, double D, double t);
// 13: rectangular plate a x b, centre at depth t; a < b < 4a and a < 2t. Computed as the round
// plate of equal area.
std::optional<double> rectangularPlateInGround(double rho, double a, double b, double t);

} // namespace electrode
