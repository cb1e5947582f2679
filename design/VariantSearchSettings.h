// What the search for variants of the earthing device tries and keeps: the lists of arrangements,
// profiles, lengths, ratios and strips, the limits, the prices and the raised norm, as plain data
// with the window's defaults.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

// An equal-flange angle b×b×δ, mm.
struct AngleSize {
    std::int32_t flangeMm = 0; // b
    std::int32_t wallMm = 0;   // δ

    bool operator==(const AngleSize&) const = default;
};

// A strip bп×δп, mm.
struct StripSize {
    std::int32_t widthMm = 0;     // bп
    std::int32_t thicknessMm = 0; // δп

    bool operator==(const StripSize&) const = default;
};

struct VariantSearchSettings {
    // The arrangements tried.
    bool inRow = true;
    bool alongContour = true;
    // The vertical electrodes: angles and round bars (diameters, mm).
    std::vector<AngleSize> angles = {{50, 5}, {63, 6}, {75, 6}};
    std::vector<std::int32_t> roundDiametersMm = {16, 18, 20};
    // L, m.
    std::vector<double> lengths = {2.5, 3.0, 5.0};
    // The ratios a/L of the utilization tables, each 1, 2 or 3 (a = ratio·L).
    std::vector<std::int32_t> ratios = {1, 2, 3};
    std::vector<StripSize> strips = {{40, 4}, {50, 5}};

    // The limits: the most electrodes, and, when given, the longest row and the longest side of
    // a contour, m.
    std::int32_t maxElectrodes = 100;
    std::optional<double> maxRowLength;
    std::optional<double> maxContourSide;

    // Prices, when given: per kilogram of angle, of round bar and of strip steel, per electrode
    // driven and per welded joint. With none given the variants are ranked by mass.
    std::optional<double> anglePricePerKg;
    std::optional<double> roundPricePerKg;
    std::optional<double> stripPricePerKg;
    std::optional<double> pricePerElectrode;
    std::optional<double> pricePerJoint;

    // Whether a variant may meet the norm raised for soil of high resistivity instead of Rн.
    bool raisedNorm = false;

    bool operator==(const VariantSearchSettings&) const = default;
};
