// The electrode system calculation behind "Далее>>" of the electrode page.
#pragma once

#include "base/NumberText.h"
#include "design/DesignState.h"

#include <QString>
#include <cstdint>

// The texts of the electrode page.
struct ElectrodeInputs {
    QString electrodeSizeMm;       // angle flange width or round diameter, whole mm
    QString verticalLength;        // L, m
    QString stripWidthMm;          // bs, whole mm
    QString spacing;               // a, m
    QString utilizationHorizontal; // ηh, text of the display label
    QString utilizationVertical;   // ηv
};

// The same inputs as numbers, as the texts read.
struct ElectrodeValues {
    std::int32_t electrodeSizeMm = 0;
    double verticalLength = 0.0;
    std::int32_t stripWidthMm = 0;
    double spacing = 0.0;
    double utilizationHorizontal = 0.0;
    double utilizationVertical = 0.0;
};

// The next whole number above x, the rounding of both electrode counts.
double RoundUpCount(double x);

// Runs the calculation, storing every value the moment it is obtained, and ends with the check of
// the installed system. Returns false, and reads nothing, when the arrangement or the material is
// not chosen; throws ConversionError or ArithmeticFault on the first bad text or fault, leaving
// the values stored before in place.
bool runElectrodeStage(const ElectrodeInputs& in, const NumberText& numbers, DesignState& state);
// The same calculation for inputs given as numbers: stores them as the texts would have been
// stored and computes exactly as above. Returns false when the arrangement or the material is not
// chosen; throws ArithmeticFault on a fault.
bool runElectrodeStage(const ElectrodeValues& in, DesignState& state);
