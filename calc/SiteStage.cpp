#include "calc/SiteStage.h"

#include "design/MeasuredSoilItems.h"
#include "tables/SoilTable.h"

namespace {
// The picked soil's resistivity and item text; both keep their values when no soil is picked.
// The item after the table's soils is the measured soil's.
void lookUpSoil(int position, const MeasuredSoilItems* measured, bool upper, double& resistivity,
                QString& name) {
    if (isMeasuredSoilItem(position) && measured) {
        resistivity = upper ? measured->upper : measured->lower;
        name = upper ? measured->upperText : measured->lowerText;
        return;
    }
    if (position < 0 || position >= static_cast<int>(kSoils.size()))
        return;
    const Soil& soil = kSoils[static_cast<std::size_t>(position)];
    resistivity = soil.resistivity;
    name = QString::fromUtf16(soil.item);
}
} // namespace

bool runSiteStage(const SiteInputs& in, const NumberText& numbers, DesignState& state) {
    std::optional<MeasuredSoilItems> items;
    if (in.measuredSoil)
        items = measuredSoilItems(*in.measuredSoil, numbers);
    const MeasuredSoilItems* measured = items ? &*items : nullptr;
    lookUpSoil(in.upperSoilPosition, measured, true, state.UpperResistivity, state.UpperSoilName);
    lookUpSoil(in.lowerSoilPosition, measured, false, state.LowerResistivity, state.LowerSoilName);
    const bool picked = measured && (isMeasuredSoilItem(in.upperSoilPosition) ||
                                     isMeasuredSoilItem(in.lowerSoilPosition));
    state.MeasuredSoilUsed = picked ? in.measuredSoil : std::nullopt;
    state.ClimaticCoefVertical = numbers.readDecimal(in.climaticVertical);
    state.ClimaticCoefHorizontal = numbers.readDecimal(in.climaticHorizontal);
    state.UpperLayerThickness = numbers.readDecimal(in.upperLayerThickness);
    state.HorizontalDepth = numbers.readDecimal(in.horizontalDepth);
    state.NormalizedResistance = NumberText::readWhole(in.normalizedResistance);
    return state.UpperResistivity > 0 && state.LowerResistivity > 0;
}
