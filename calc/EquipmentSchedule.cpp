// The bill of materials as an equipment schedule.
#include "calc/EquipmentSchedule.h"

EquipmentSchedule equipmentSchedule(const BillOfMaterials& bill, const NumberText& n) {
    EquipmentSchedule schedule;
    int position = 0;
    if (bill.vertical) {
        const BillLine& v = *bill.vertical;
        EquipmentScheduleRow row;
        row.position = QString::number(++position);
        row.name =
            v.profile + QStringLiteral(", L = ") + n.general(v.pieceLength) + QStringLiteral(" м");
        row.type = v.standard;
        row.unit = QStringLiteral("шт");
        row.quantity = v.count;
        row.unitMass = v.unitMass;
        schedule.rows.push_back(row);
    }
    if (bill.strip) {
        const BillLine& h = *bill.strip;
        EquipmentScheduleRow row;
        row.position = QString::number(++position);
        row.name = h.profile;
        row.type = h.standard;
        row.unit = QStringLiteral("м");
        row.quantity = h.totalLength;
        row.unitMass = h.unitMass;
        schedule.rows.push_back(row);
    }
    schedule.totalMass = bill.totalMass;
    return schedule;
}

QStringList equipmentScheduleColumns() {
    return {QStringLiteral("Поз."),
            QStringLiteral("Наименование и техническая характеристика"),
            QStringLiteral("Тип, марка, обозначение документа, опросного листа"),
            QStringLiteral("Код продукции"),
            QStringLiteral("Поставщик"),
            QStringLiteral("Ед. измерения"),
            QStringLiteral("Кол."),
            QStringLiteral("Масса 1 ед., кг"),
            QStringLiteral("Примечание")};
}

std::vector<QStringList> equipmentScheduleTexts(const EquipmentSchedule& schedule,
                                                const NumberText& n) {
    std::vector<QStringList> texts;
    for (const EquipmentScheduleRow& r : schedule.rows) {
        const QString quantity = r.inPieces() ? n.general(r.quantity) : n.decimals(r.quantity, 2);
        const QString mass = r.unitMass ? n.decimals(*r.unitMass, 2) : QStringLiteral("—");
        texts.push_back({r.position, r.name, r.type, r.productCode, r.supplier, r.unit, quantity,
                         mass, r.note});
    }
    if (!texts.empty()) {
        const QString total = schedule.totalMass
                                  ? n.decimals(*schedule.totalMass, 2) + QStringLiteral(" кг")
                                  : QStringLiteral("—");
        texts.push_back({{}, QStringLiteral("Итого масса стали"), {}, {}, {}, {}, {}, {}, total});
    }
    return texts;
}
