#include "design/Selectors.h"

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
