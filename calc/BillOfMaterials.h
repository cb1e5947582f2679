// What to buy and weld for the designed installation: profiles, lengths, counts and masses of
// the vertical electrodes and the strip, and the check of their sizes against the smallest
// allowed.
#pragma once

#include "base/NumberText.h"
#include "design/DesignInputs.h"
#include "design/DesignState.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

// The density of steel, kg/m³.
inline constexpr double kSteelDensity = 7850;

// One line of the bill.
struct BillLine {
    QString profile; // "Уголок стальной 60×60×5", "Круг стальной ⌀16", "Полоса стальная 40×4"
    double pieceLength = 0;     // m: one electrode; the strip: its whole length
    double count = 0;           // pieces; the strip: 1
    double totalLength = 0;     // m
    std::optional<double> mass; // kg; empty when it cannot be computed
    // kg of one electrode, or of one metre of the strip; empty when it cannot be computed.
    std::optional<double> unitMass;
    QString standard; // the standard of the rolled profile, "ГОСТ 8509-93"
};

struct BillOfMaterials {
    std::optional<BillLine> vertical; // empty without a material or an electrode
    std::optional<BillLine> strip;    // empty when no strip is laid
    std::optional<double> totalMass;  // kg; empty when a mass of a line is
    double weldedJoints = 0;          // one per electrode on the strip
    QStringList sizeWarnings;         // each size below the smallest allowed, with that size
};

// The bill for the design as calculated: the material and its size (b or the diameter), L,
// Nу = RefinedCount, bп, Lг.у = RefinedHorizontalLength; masses are the cross-section (an angle
// δ·(2b − δ), a round πd²/4, the strip bп·δп) times the length times kSteelDensity.
BillOfMaterials billOfMaterials(const DesignState& state, const SteelThickness& thickness);

// The check of the bill's sizes in words, as the scheme window and the note say it: each size
// below its minimum, one a line (each but the last ending with a full stop), or that the sizes
// meet the minimums of the rules.
QString sizeCheckText(const BillOfMaterials& bill);

// The bill as the rows of a table, each with the columns of billColumns(): the vertical
// electrodes, the strip, the total mass and the welded joints (lines that are absent are left
// out). Counts in the general form; lengths and masses with exactly two decimals, whatever
// their size.
struct BillRow {
    QString name, profile, pieceLength, count, totalLength, mass;
};
QStringList billColumns();
std::vector<BillRow> billRows(const BillOfMaterials& bill, const NumberText& numbers);
