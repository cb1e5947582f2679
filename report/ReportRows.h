// The placeholders of the report template and the texts that replace them, in replacement order.
#pragma once

#include "app/DesignState.h"
#include "app/NumberText.h"

#include <QString>
#include <vector>

struct ReportRow {
    QString key;  // the placeholder in the template
    QString text; // what is put in its place
    int step = 0; // advance of the progress bar after the row
};

// The rows for the design: 38 when the material is angle or round section, otherwise 35 (the
// three rows of the electrode size are left out, with their steps).
std::vector<ReportRow> reportRows(const DesignState& state, const NumberText& numbers);
