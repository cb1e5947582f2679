// The items that a measured soil adds to the soil lists.
#include "design/MeasuredSoilItems.h"

#include "base/NumberText.h"
#include "tables/SoilTable.h"

#include <cmath>

namespace {
// A field value to three significant digits, as the typical soils' values are written.
double threeDigits(double value) {
    if (!std::isfinite(value) || value <= 0.0)
        return value;
    const double scale = std::pow(10.0, 2.0 - std::floor(std::log10(value)));
    return std::round(value * scale) / scale;
}

// The items of the table write their numbers with a decimal comma whatever the system's
// separator ("Кокс-2,5"), and so does this one.
QString item(double resistivity) {
    const NumberText comma(QChar(u','));
    return QStringLiteral("По замерам-") + comma.general(resistivity);
}
} // namespace

MeasuredSoilItems measuredSoilItems(const MeasuredSoil& soil, const NumberText& numbers) {
    MeasuredSoilItems items;
    const bool twoLayer = soil.model == SoilModel::TwoLayer;
    items.upper = threeDigits(soil.upper);
    items.lower = twoLayer ? threeDigits(soil.lower) : items.upper;
    items.upperText = item(items.upper);
    items.lowerText = item(items.lower);
    if (twoLayer)
        items.thicknessText = numbers.general(threeDigits(soil.thickness));
    return items;
}

QStringList soilListItems(const std::optional<MeasuredSoil>& measured, bool upper) {
    QStringList items;
    for (const Soil& soil : kSoils)
        items << QString::fromUtf16(soil.item);
    if (measured) {
        const MeasuredSoilItems m = measuredSoilItems(*measured, NumberText(QChar(u',')));
        items << (upper ? m.upperText : m.lowerText);
    }
    return items;
}

bool isMeasuredSoilItem(int position) {
    return position == kMeasuredSoilPosition;
}

void applyMeasuredSoil(DesignInputs& design, const MeasuredSoil& soil, const NumberText& numbers) {
    const MeasuredSoilItems items = measuredSoilItems(soil, numbers);
    WizardState& w = design.wizard;
    w.measuredSoil = soil;
    w.upperSoil = {kMeasuredSoilPosition, items.upperText};
    w.lowerSoil = {kMeasuredSoilPosition, items.lowerText};
    if (!items.thicknessText.isEmpty())
        w.Edit5 = items.thicknessText;
}
