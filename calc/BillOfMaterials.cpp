// What to buy and weld for the designed installation, and the check of sizes.
#include "calc/BillOfMaterials.h"

#include "base/Errors.h"
#include "base/Fp.h"
#include "tables/MinimumSizeTable.h"
#include "tables/SteelProducts.h"

#include <cmath>
#include <cstdint>
#include <numbers>

using fp::Real;

namespace {

QString mm(std::int32_t v) {
    return NumberText::whole(v);
}

QString times() {
    return QStringLiteral("×");
}

// The mass of totalLength metres of a profile with the given cross-section in mm²; empty when it
// is not positive or the arithmetic faults.
std::optional<double> massOf(Real sectionMm2, double totalLength) {
    try {
        const Real mass = sectionMm2 / 1e6 * kSteelDensity * totalLength;
        if (mass > 0)
            return mass.value();
    } catch (const ArithmeticFault&) {
    }
    return std::nullopt;
}

std::optional<BillLine> verticalLine(const DesignState& s, const SteelThickness& t) {
    const double n = s.RefinedCount;
    if (s.ElectrodeMaterial == ElectrodeMaterial::None || !std::isfinite(n) || n < 1 ||
        !std::isfinite(s.VerticalLength))
        return std::nullopt;
    BillLine line;
    line.pieceLength = s.VerticalLength;
    line.count = n;
    try {
        line.totalLength = (Real(n) * s.VerticalLength).value();
    } catch (const ArithmeticFault&) {
        return std::nullopt;
    }
    Real section;
    if (s.ElectrodeMaterial == ElectrodeMaterial::Angle) {
        const std::int32_t b = s.AngleFlangeWidthMm, d = t.angleWallMm;
        line.profile =
            QStringLiteral("Уголок стальной ") + mm(b) + times() + mm(b) + times() + mm(d);
        section = Real(d) * (Real(2) * b - d);
        line.standard = steelProductStandards().angle;
    } else {
        const std::int32_t d = s.RoundDiameterMm;
        line.profile = QStringLiteral("Круг стальной ⌀") + mm(d);
        section = Real(std::numbers::pi) * d * d / 4;
        line.standard = steelProductStandards().round;
    }
    line.mass = massOf(section, line.totalLength);
    line.unitMass = massOf(section, line.pieceLength);
    return line;
}

std::optional<BillLine> stripLine(const DesignState& s, const SteelThickness& t) {
    const double length = s.RefinedHorizontalLength;
    if (!std::isfinite(length) || !(length > 0))
        return std::nullopt;
    BillLine line;
    line.profile =
        QStringLiteral("Полоса стальная ") + mm(s.StripWidthMm) + times() + mm(t.stripThicknessMm);
    line.pieceLength = line.totalLength = length;
    line.count = 1;
    const Real section = Real(s.StripWidthMm) * t.stripThicknessMm;
    line.mass = massOf(section, length);
    line.unitMass = massOf(section, 1.0);
    line.standard = steelProductStandards().strip;
    return line;
}

QString belowMinimum(const QString& what, std::int32_t value, std::int32_t minimum,
                     const QString& unit, const QString& allowed) {
    return what + mm(value) + QLatin1Char(' ') + unit + QStringLiteral(" меньше ") + allowed +
           QLatin1Char(' ') + mm(minimum) + QLatin1Char(' ') + unit + QStringLiteral(" (") +
           minimumSizeSource() + QLatin1Char(')');
}

QStringList sizeWarnings(const DesignState& s, const SteelThickness& t, bool vertical, bool strip) {
    const MinimumSizes& least = minimumSteelSizes();
    const QString mmUnit = QStringLiteral("мм");
    const QString leastMale = QStringLiteral("наименьшего допустимого");
    const QString leastFemale = QStringLiteral("наименьшей допустимой");
    QStringList warnings;
    if (vertical && s.ElectrodeMaterial == ElectrodeMaterial::RoundSection &&
        s.RoundDiameterMm < least.roundVerticalDiameterMm)
        warnings << belowMinimum(QStringLiteral("Диаметр круглого вертикального заземлителя ⌀"),
                                 s.RoundDiameterMm, least.roundVerticalDiameterMm, mmUnit,
                                 leastMale);
    if (vertical && s.ElectrodeMaterial == ElectrodeMaterial::Angle) {
        if (t.angleWallMm < least.angleWallMm)
            warnings << belowMinimum(QStringLiteral("Толщина стенки уголка δ = "), t.angleWallMm,
                                     least.angleWallMm, mmUnit, leastFemale);
        if (t.angleWallMm >= s.AngleFlangeWidthMm)
            warnings << QStringLiteral("Толщина стенки уголка δ = ") + mm(t.angleWallMm) +
                            QStringLiteral(" мм не меньше ширины его полки b = ") +
                            mm(s.AngleFlangeWidthMm) + QStringLiteral(" мм");
    }
    if (strip) {
        const std::int64_t section =
            std::int64_t{s.StripWidthMm} * std::int64_t{t.stripThicknessMm};
        if (section < least.stripSectionMm2)
            warnings << QStringLiteral("Сечение полосы ") + mm(s.StripWidthMm) + times() +
                            mm(t.stripThicknessMm) + QStringLiteral(" = ") +
                            NumberText::whole(section) + QStringLiteral(" мм² меньше ") +
                            leastMale + QLatin1Char(' ') + mm(least.stripSectionMm2) +
                            QStringLiteral(" мм² (") + minimumSizeSource() + QLatin1Char(')');
        if (t.stripThicknessMm < least.stripThicknessMm)
            warnings << belowMinimum(QStringLiteral("Толщина полосы δп = "), t.stripThicknessMm,
                                     least.stripThicknessMm, mmUnit, leastFemale);
    }
    return warnings;
}

} // namespace

BillOfMaterials billOfMaterials(const DesignState& s, const SteelThickness& t) {
    BillOfMaterials bill;
    bill.vertical = verticalLine(s, t);
    bill.strip = stripLine(s, t);
    if (bill.strip && bill.vertical)
        bill.weldedJoints = bill.vertical->count;
    const bool massesKnown =
        (!bill.vertical || bill.vertical->mass) && (!bill.strip || bill.strip->mass);
    if (massesKnown && (bill.vertical || bill.strip)) {
        try {
            Real total = 0;
            if (bill.vertical)
                total = total + *bill.vertical->mass;
            if (bill.strip)
                total = total + *bill.strip->mass;
            bill.totalMass = total.value();
        } catch (const ArithmeticFault&) {
        }
    }
    bill.sizeWarnings = sizeWarnings(s, t, bill.vertical.has_value(), bill.strip.has_value());
    return bill;
}

QString sizeCheckText(const BillOfMaterials& bill) {
    if (!bill.sizeWarnings.isEmpty())
        return bill.sizeWarnings.join(QStringLiteral(".\n"));
    return QStringLiteral(
               "Размеры соответствуют требованиям к наименьшим размерам заземлителей (") +
           minimumSizeSource() + QLatin1Char(')');
}

QStringList billColumns() {
    return {QStringLiteral("Наименование"),   QStringLiteral("Профиль"),
            QStringLiteral("Длина, м"),       QStringLiteral("Кол-во, шт"),
            QStringLiteral("Общая длина, м"), QStringLiteral("Масса, кг")};
}

std::vector<BillRow> billRows(const BillOfMaterials& bill, const NumberText& n) {
    const auto mass = [&](const std::optional<double>& m) {
        return m ? n.decimals(*m, 2) : QStringLiteral("—");
    };
    const auto length = [&](double l) { return n.decimals(l, 2); };
    std::vector<BillRow> rows;
    if (bill.vertical) {
        const BillLine& v = *bill.vertical;
        rows.push_back({QStringLiteral("Вертикальные заземлители"), v.profile,
                        length(v.pieceLength), n.general(v.count), length(v.totalLength),
                        mass(v.mass)});
    }
    if (bill.strip) {
        const BillLine& h = *bill.strip;
        rows.push_back({QStringLiteral("Соединительная полоса"), h.profile, length(h.pieceLength),
                        n.general(h.count), length(h.totalLength), mass(h.mass)});
    }
    if (bill.vertical || bill.strip)
        rows.push_back({QStringLiteral("Итого масса"), {}, {}, {}, {}, mass(bill.totalMass)});
    if (bill.weldedJoints > 0)
        rows.push_back(
            {QStringLiteral("Сварные соединения"), {}, {}, n.general(bill.weldedJoints), {}, {}});
    return rows;
}
