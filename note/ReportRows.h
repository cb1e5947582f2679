// The placeholders of the report template and the texts that replace them, in replacement order.
#pragma once

#include "base/NumberText.h"
#include "calc/BillOfMaterials.h"
#include "design/DesignState.h"
#include "design/ProjectData.h"
#include "note/ReportContent.h"

#include <QString>
#include <optional>
#include <utility>
#include <vector>

// A placeholder and what is put in its place: a text, a picture or a table.
struct ReportRow {
    ReportRow(QString key, QString text, int step, bool ownParagraph = false)
        : key(std::move(key)), text(std::move(text)), step(step), ownParagraph(ownParagraph) {}
    ReportRow(QString key, ReportPicture picture, int step)
        : key(std::move(key)), step(step), picture(std::move(picture)) {}
    ReportRow(QString key, ReportTable table, int step)
        : key(std::move(key)), step(step), table(std::move(table)) {}

    QString key;  // the placeholder in the template
    QString text; // what is put in its place, for a text row
    int step = 0; // advance of the progress bar after the row
    // The placeholder stands alone in its paragraph, which goes when nothing is put in its place.
    bool ownParagraph = false;
    // A placeholder that templates made before it need not hold: not finding it is not told.
    bool optional = false;
    std::optional<ReportPicture> picture; // a picture row
    std::optional<ReportTable> table;     // a table row
    bool operator==(const ReportRow&) const = default;
};

// The rows for the design: the 38 rows of the values when the material is angle or round section,
// otherwise 35 (the three rows of the electrode size are left out, with their steps); then the
// 14 rows of the note's wording that follows the design (soils with the source of a measured
// one, arrangement, material, the formulas used, the check of the installed system, the norm
// raised for high resistivity and the decision) and the table of a measured soil's readings; then
// the 3 rows of the scheme and the bill of materials: the bill as a table (the steel thicknesses
// as given), the check of its sizes as a text, and the scheme as a picture (given ready, drawn
// elsewhere). Before the picture, six rows that a template may lack: the equipment schedule of
// the bill as a table, and the project's head, object, date, "Расчёт выполнил" and signature lines
// (see NoteProject); those that stand alone take their paragraph with them when empty.
std::vector<ReportRow> reportRows(const DesignState& state, const NumberText& numbers,
                                  const SteelThickness& thickness = {},
                                  const ReportPicture& scheme = {},
                                  const ProjectData& project = {});

// The bill of materials as the note's table.
ReportTable billTable(const BillOfMaterials& bill, const NumberText& numbers);
// The equipment schedule of the bill (calc/EquipmentSchedule) as the note's table; no columns
// without a bill.
ReportTable equipmentScheduleTable(const BillOfMaterials& bill, const NumberText& numbers);
