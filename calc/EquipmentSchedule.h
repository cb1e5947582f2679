// The bill of materials as a schedule of equipment and materials is laid out for a project:
// a row a product, with its standard, unit, quantity and the mass of one unit.
#pragma once

#include "base/NumberText.h"
#include "calc/BillOfMaterials.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

struct EquipmentScheduleRow {
    QString position;               // "Поз.": 1, 2, …
    QString name;                   // "Уголок стальной 50×50×5, L = 3 м"
    QString type;                   // the standard of the product, "ГОСТ 8509-93"
    QString productCode;            // left for the engineer
    QString supplier;               // left for the engineer
    QString unit;                   // "шт" or "м"
    double quantity = 0;            // pieces (whole) or metres
    std::optional<double> unitMass; // kg of one piece or of one metre
    QString note;

    bool inPieces() const { return unit == QStringLiteral("шт"); }
};

struct EquipmentSchedule {
    std::vector<EquipmentScheduleRow> rows; // the vertical electrodes, then the strip
    std::optional<double> totalMass;        // kg, as the bill totals it
};

// The equipment schedule of the bill: the electrodes in pieces with the mass of one, the strip in
// metres with the mass of one metre. A line of the bill that is absent has no row.
EquipmentSchedule equipmentSchedule(const BillOfMaterials& bill, const NumberText& numbers);

// The nine column titles of the equipment schedule form, in order.
QStringList equipmentScheduleColumns();

// The rows as texts, nine cells each, then a closing row with the total mass: pieces whole,
// metres and masses with two decimals. No rows when the equipment schedule has none.
std::vector<QStringList> equipmentScheduleTexts(const EquipmentSchedule& schedule,
                                                const NumberText& numbers);
