// The items that a measured soil, once applied, adds at the end of the two soil lists of the
// site page, and the thickness it writes there.
#pragma once

#include "design/DesignInputs.h"
#include "design/MeasuredSoil.h"

#include <QString>
#include <QStringList>
#include <optional>

class NumberText;

struct MeasuredSoilItems {
    // The resistivities the items stand for, Ohm·m: ρ1 and ρ2 to three significant digits, as
    // their texts show them.
    double upper = 0.0;
    double lower = 0.0;
    // "По замерам-<ρ1>", "По замерам-<ρ2>", with a decimal comma as in the table's items
    // ("Кокс-2,5"), whatever the system's separator.
    QString upperText;
    QString lowerText;
    // H, m, to three significant digits in the notation of numbers; empty for a uniform soil.
    QString thicknessText;
};

// The items of the soil.
MeasuredSoilItems measuredSoilItems(const MeasuredSoil& soil, const NumberText& numbers);

// The items of the upper (or the lower) soil list: the table's soils, then the item of the
// measured soil applied, if any.
QStringList soilListItems(const std::optional<MeasuredSoil>& measured, bool upper);

// Whether the list position is the measured soil's item, which follows the table's soils.
bool isMeasuredSoilItem(int position);

// "Применить" of the soil measurements: each soil list gains, or has updated, the item of the
// measured soil at its end and picks it, and a two-layer soil writes its H into the thickness of
// the upper layer.
void applyMeasuredSoil(DesignInputs& design, const MeasuredSoil& soil, const NumberText& numbers);
