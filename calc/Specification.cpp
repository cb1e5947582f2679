// The bill of materials as a specification.
#include "calc/Specification.h"

Specification specification(const BillOfMaterials& bill, const NumberText& n) {
    Specification spec;
    int position = 0;
    if (bill.vertical) {
        const BillLine& v = *bill.vertical;
        SpecificationRow row;
        row.position = QString::number(++position);
        row.name =
            v.profile + QStringLiteral(", L = ") + n.general(v.pieceLength) + QStringLiteral(" м");
        row.type = v.standard;
        row.unit = QStringLiteral("шт");
        row.quantity = v.count;
        row.unitMass = v.unitMass;
        spec.rows.push_back(row);
    }
    if (bill.strip) {
        const BillLine& h = *bill.strip;
        SpecificationRow row;
        row.position = QString::number(++position);
        row.name = h.profile;
        row.type = h.standard;
        row.unit = QStringLiteral("м");
        row.quantity = h.totalLength;
        row.unitMass = h.unitMass;
        spec.rows.push_back(row);
    }
    spec.totalMass = bill.totalMass;
    return spec;
}

QStringList specificationColumns() {
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

std::vector<QStringList> specificationTexts(const Specification& spec, const NumberText& n) {
    std::vector<QStringList> texts;
    for (const SpecificationRow& r : spec.rows) {
        const QString quantity = r.inPieces() ? n.general(r.quantity) : n.decimals(r.quantity, 2);
        const QString mass = r.unitMass ? n.decimals(*r.unitMass, 2) : QStringLiteral("—");
        texts.push_back({r.position, r.name, r.type, r.productCode, r.supplier, r.unit, quantity,
                         mass, r.note});
    }
    if (!texts.empty()) {
        const QString total = spec.totalMass
                                  ? n.decimals(*spec.totalMass, 2) + QStringLiteral(" кг")
                                  : QStringLiteral("—");
        texts.push_back({{}, QStringLiteral("Итого масса стали"), {}, {}, {}, {}, {}, {}, total});
    }
    return texts;
}
