// The two selectors of the design state, refreshed from the picked list positions.
#pragma once

#include "design/DesignState.h"

// Arrangement refresh: position 0 "По контуру" sets Contour, 1 "В ряд" sets Row; any other
// position (nothing picked) leaves the selector as it is.
void refreshArrangement(int pickedPosition, DesignState& state);
// Material refresh: position 0 "Уголок" sets Angle, 1 "Круглого сечения" sets RoundSection;
// any other position leaves it as it is.
void refreshMaterial(int pickedPosition, DesignState& state);
