// The placeholders of the report template and the texts that replace them, in replacement order.
#pragma once

#include "base/NumberText.h"
#include "design/DesignState.h"

#include <QString>
#include <vector>

struct ReportRow {
    QString key;  // the placeholder in the template
    QString text; // what is put in its place
    int step = 0; // advance of the progress bar after the row
};

// The rows for the design: the 38 rows of the values when the material is angle or round section,
// otherwise 35 (the three rows of the electrode size are left out, with their steps); then the
// 14 rows of the note's wording that follows the design (soils with the source of a measured
// one, arrangement, material, the formulas used, the check of the installed system, the norm
// raised for high resistivity and the decision).
std::vector<ReportRow> reportRows(const DesignState& state, const NumberText& numbers);
