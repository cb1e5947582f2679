// The electrode system calculation behind "Далее>>" of the electrode page.
#pragma once

#include "base/NumberText.h"
#include "design/DesignState.h"

#include <QString>
#include <optional>

// The texts of the electrode page.
struct ElectrodeInputs {
    QString electrodeSizeMm;       // angle flange width or round diameter, whole mm
    QString verticalLength;        // L, m
    QString stripWidthMm;          // bs, whole mm
    QString spacing;               // a, m
    QString utilizationHorizontal; // ηh, text of the display label
    QString utilizationVertical;   // ηv
};

// The nine lines of the results page, by label.
struct ResultLines {
    QString Label17, Label18, Label19, Label20, Label21, Label22, Label24, Label25, Label32;
};

// The next whole number above x, the rounding of both electrode counts.
double RoundUpCount(double x);

// The spreading resistance of the design's strip laid over `length` metres: width bs at depth t0
// in the upper layer, with ψh and ηh. Throws ArithmeticFault on a fault.
double stripSpreadingResistance(const DesignState& state, double length);

// Runs the calculation, storing every value the moment it is obtained. Returns nothing, and
// reads nothing, when the arrangement or the material is not chosen; throws ConversionError or
// ArithmeticFault on the first bad text or fault, leaving the values stored before in place.
std::optional<ResultLines> runElectrodeStage(const ElectrodeInputs& in, const NumberText& numbers,
                                             DesignState& state);
