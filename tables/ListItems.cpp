#include "tables/ListItems.h"

const std::array<const char16_t*, 2> kArrangementItems = {u"По контуру", u"В ряд"};
const std::array<const char16_t*, 2> kMaterialItems = {u"Уголок", u"Круглого сечения"};

QString electrodeSizeCaption(int pickedMaterialPosition) {
    return pickedMaterialPosition == 1 ? QStringLiteral("Диаметр электрода, мм")
                                       : QStringLiteral("Ширина полки уголка, мм");
}
