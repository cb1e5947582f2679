// The climatic coefficients of the four climatic zones.
#pragma once

#include <array>

// The coefficients of one zone; dimensionless.
struct ZoneCoefficients {
    double verticalType1 = 0.0; // vertical electrodes 2-3 m long, tops at 0.5-0.8 m
    double verticalType2 = 0.0; // vertical electrodes 5 m long, tops at 0.7-0.8 m
    double horizontal = 0.0;    // horizontal electrode
};

// Zones I to IV, in the order of the zone buttons.
extern const std::array<ZoneCoefficients, 4> kClimaticZones;
// The electrode types, in list order (the second item ends with a blank).
extern const std::array<const char16_t*, 2> kElectrodeTypeItems;
