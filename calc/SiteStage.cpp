#include "calc/SiteStage.h"

const std::array<Soil, 18> kSoils{{
    {u"Торф-25", 25},
    {u"Чернозём-50", 50},
    {u"Глина-60", 60},
    {u"Суглинок-80", 80},
    {u"Кокс-2,5", 2.5},
    {u"Лесс-250", 250},
    {u"Каменный уголь-130", 130},
    {u"Садовая земля-40", 40},
    {u"Речная вода-1000", 1000},
    {u"Дно реки-200", 200},
    {u"Песок-500", 500},
    {u"Песчаник-1000", 1000},
    {u"Супесок-300", 300},
    {u"Кварц-15000", 15000},
    {u"Пористый известняк-180", 180},
    {u"Плотный известняк-3000", 3000},
    {u"Гранит-1100", 1100},
    {u"Смешанный грунт-10", 10},
}};

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
