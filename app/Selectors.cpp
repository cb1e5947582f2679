#include "app/Selectors.h"

const std::array<const char16_t*, 2> kArrangementItems = {u"По контуру", u"В ряд"};
const std::array<const char16_t*, 2> kMaterialItems = {u"Уголок", u"Круглого сечения"};

void refreshArrangement(int pickedPosition, DesignState& state) {
    if (pickedPosition == 0)
        state.ElectrodeArrangement = ElectrodeArrangement::Contour;
    else if (pickedPosition == 1)
        state.ElectrodeArrangement = ElectrodeArrangement::Row;
}

void refreshMaterial(int pickedPosition, DesignState& state) {
    if (pickedPosition == 0)
        state.ElectrodeMaterial = ElectrodeMaterial::Angle;
    else if (pickedPosition == 1)
        state.ElectrodeMaterial = ElectrodeMaterial::RoundSection;
}

QString electrodeSizeCaption(int pickedMaterialPosition) {
    return pickedMaterialPosition == 1 ? QStringLiteral("Диаметр электрода, мм")
                                       : QStringLiteral("Ширина полки уголка, мм");
}
