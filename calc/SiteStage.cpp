#include "calc/SiteStage.h"

#include "tables/SoilTable.h"

namespace {
// The picked soil's resistivity and item text; both keep their values when no soil is picked.
void lookUpSoil(int position, double& resistivity, QString& name) {
    if (position < 0 || position >= static_cast<int>(kSoils.size()))
        return;
    const Soil& soil = kSoils[static_cast<std::size_t>(position)];
    resistivity = soil.resistivity;
    name = QString::fromUtf16(soil.item);
}
} // namespace

bool runSiteStage(const SiteInputs& in, const NumberText& numbers, DesignState& state) {
    lookUpSoil(in.upperSoilPosition, state.UpperResistivity, state.UpperSoilName);
    lookUpSoil(in.lowerSoilPosition, state.LowerResistivity, state.LowerSoilName);
    state.ClimaticCoefVertical = numbers.readDecimal(in.climaticVertical);
    state.ClimaticCoefHorizontal = numbers.readDecimal(in.climaticHorizontal);
    state.UpperLayerThickness = numbers.readDecimal(in.upperLayerThickness);
    state.HorizontalDepth = numbers.readDecimal(in.horizontalDepth);
    state.NormalizedResistance = NumberText::readWhole(in.normalizedResistance);
    return state.UpperResistivity > 0 && state.LowerResistivity > 0;
}
