// The two selectors of the electrode page and the caption of the electrode size that follows
// the material.
#pragma once

#include "app/DesignState.h"

#include <QString>
#include <array>

// The items of the arrangement list and of the material list, in list order.
extern const std::array<const char16_t*, 2> kArrangementItems;
extern const std::array<const char16_t*, 2> kMaterialItems;

// Arrangement refresh: position 0 "По контуру" sets Contour, 1 "В ряд" sets Row; any other
// position (nothing picked) leaves the selector as it is.
void refreshArrangement(int pickedPosition, DesignState& state);
// Material refresh: position 0 "Уголок" sets Angle, 1 "Круглого сечения" sets RoundSection;
// any other position leaves it as it is.
void refreshMaterial(int pickedPosition, DesignState& state);
// The caption of the electrode size for the picked material.
QString electrodeSizeCaption(int pickedMaterialPosition);
