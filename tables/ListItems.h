// The items of the electrode page's two selector lists and the caption that follows the material;
// the texts of any built-in list.
#pragma once

#include <QString>
#include <QStringList>
#include <array>

// The items of a built-in list as texts, in list order.
template <class Items> QStringList itemList(const Items& items) {
    QStringList list;
    for (const char16_t* item : items)
        list << QString::fromUtf16(item);
    return list;
}

// The items of the arrangement list and of the material list, in list order.
extern const std::array<const char16_t*, 2> kArrangementItems;
extern const std::array<const char16_t*, 2> kMaterialItems;

// The caption of the electrode size for the picked material.
QString electrodeSizeCaption(int pickedMaterialPosition);
