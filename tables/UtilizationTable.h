// The utilization coefficients of vertical electrodes and of their connecting strip.
#pragma once

#include "tables/RememberedPick.h"

#include <array>
#include <vector>

// One utilization table: rows by the ratio of electrode spacing to length ("1", "2", "3"),
// columns by the number of vertical electrodes. Dimensionless values between 0 and 1.
struct UtilizationTable {
    std::vector<const char16_t*> numberItems; // the electrode-number list, one item per column
    TableRows<double> rows;                   // by the list position of the ratio
};

// The items of the ratio list, one per table row.
extern const std::array<const char16_t*, 3> kRatioItems;

// Vertical electrodes without the connecting strip, set in a row.
extern const UtilizationTable kVerticalRowTable;
// The connecting strip, electrodes set in a row.
extern const UtilizationTable kStripRowTable;
// Vertical electrodes without the connecting strip, set along a contour.
extern const UtilizationTable kVerticalContourTable;
// The connecting strip, electrodes set along a contour.
extern const UtilizationTable kStripContourTable;
