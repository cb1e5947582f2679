// The search for variants of the earthing device: every combination of arrangement, profile,
// length, ratio a/L and strip, computed as the electrode stage computes it, the designs that meet
// the norm, ПУЭ table 1.7.4 and the limits kept, the lightest (or cheapest) first.
#pragma once

#include "design/DesignState.h"
#include "design/VariantSearchSettings.h"

#include <QString>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

// The most combinations one search tries.
inline constexpr std::int64_t kMostVariantCombinations = 200'000;
// The most variants a search hands back.
inline constexpr std::size_t kBestVariants = 20;

// One design that the search kept.
struct Variant {
    ElectrodeArrangement arrangement = ElectrodeArrangement::None;
    ElectrodeMaterial material = ElectrodeMaterial::None;
    std::int32_t sizeMm = 0;        // b of an angle, the diameter of a round bar
    std::int32_t wallMm = 0;        // δ of an angle; 0 for a round bar
    double length = 0.0;            // L, m
    std::int32_t ratio = 0;         // a/L: 1, 2 or 3
    double spacing = 0.0;           // a, m
    StripSize strip;                // bп×δп
    std::size_t verticalColumn = 0; // the columns of the two utilization tables
    std::size_t stripColumn = 0;
    double utilizationVertical = 0.0;   // ηв
    double utilizationHorizontal = 0.0; // ηг
    double count = 0.0;                 // Nу
    double stripLength = 0.0;           // Lг.у, m
    double resistance = 0.0;            // R of the installed system, Ohm
    double norm = 0.0;                  // the norm it meets: Rн or the raised norm, Ohm
    double mass = 0.0;                  // the bill's total mass, kg
    std::optional<double> cost;         // when prices are given

    bool operator==(const Variant&) const = default;
};

// Why the variants that met the norm were not kept.
enum class VariantLimit { None, Electrodes, RowLength, ContourSide, Sizes };

struct VariantSearchResult {
    // A sentence on the input that kept the search from running; empty when it ran.
    QString inputError;
    std::vector<Variant> best; // at most kBestVariants, in the ranking's order
    bool byCost = false;       // ranked by cost (prices given) rather than by mass
    std::int64_t tried = 0;    // combinations computed
    std::int64_t kept = 0;     // combinations that met everything
    // The lowest R of all designs computed within the tables, with the norm it was held to.
    std::optional<double> lowestResistance;
    double lowestNorm = 0.0;
    // How many designs met the norm and the limit that rejected most of them.
    std::int64_t metNorm = 0;
    VariantLimit limitToRelax = VariantLimit::None;
    // How many designs missed Rн but meet the raised norm, which the search was not to allow.
    std::int64_t metRaisedNorm = 0;
    bool cancelled = false; // a newer search took its place
};

// a = ratio·L as the electrode page's spacing holds it once written in the general form.
double variantSpacing(std::int32_t ratio, double length);

// Searches the combinations of settings for the site that the site stage computed (soils, ψ, H,
// t0, Rн in site). For each, ηв and ηг come from the arrangement's tables in the ratio's row, each
// in the column of the smallest tabulated count not below Nу, found from the first columns on
// until Nу settles; a Nу beyond a table is out of range. cancelled, when given, is asked now and
// then and ends the search early.
VariantSearchResult searchVariants(const DesignState& site, const VariantSearchSettings& settings,
                                   const std::function<bool()>& cancelled = {});
