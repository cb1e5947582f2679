// The items of the electrode page's two selector lists and the caption that follows the material.
#pragma once

#include <QString>
#include <array>

// The items of the arrangement list and of the material list, in list order.
extern const std::array<const char16_t*, 2> kArrangementItems;
extern const std::array<const char16_t*, 2> kMaterialItems;

// The caption of the electrode size for the picked material.
QString electrodeSizeCaption(int pickedMaterialPosition);
