// The items that a measured soil, once applied, adds at the end of the two soil lists of the
// site page, and the thickness it writes there.
#pragma once

#include "design/MeasuredSoil.h"

#include <QString>

class NumberText;

struct MeasuredSoilItems {
    // The resistivities the items stand for, Ohm·m: ρ1 and ρ2 to three significant digits, as
    // their texts show them.
    double upper = 0.0;
    double lower = 0.0;
    // "По замерам-<ρ1>", "По замерам-<ρ2>", with a decimal comma as in the table's items.
    QString upperText;
    QString lowerText;
    // H, m, to three significant digits in the notation of numbers; empty for a uniform soil.
    QString thicknessText;
};

// The items of the soil.
MeasuredSoilItems measuredSoilItems(const MeasuredSoil& soil, const NumberText& numbers);
