// The horizontal strip that joins the vertical electrodes: its length and its spreading
// resistance.
#pragma once

#include "design/DesignState.h"

// The segments of the strip that joins `count` electrodes: a row has one fewer than electrodes, a
// closed contour as many as electrodes.
double stripSegments(ElectrodeArrangement arrangement, double count);

// The strip that joins `count` electrodes at the design's spacing, stripSegments long in steps.
// Throws ArithmeticFault on a fault.
double stripLength(const DesignState& state, double count);

// The spreading resistance of the design's strip laid over `length` metres: width bs at depth t0
// in the upper layer, with ψh and ηh. Throws ArithmeticFault on a fault.
double stripSpreadingResistance(const DesignState& state, double length);
