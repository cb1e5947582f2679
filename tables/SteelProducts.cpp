#include "tables/SteelProducts.h"

const SteelProducts& steelProductStandards() {
    static const SteelProducts standards{
        QStringLiteral("ГОСТ 8509-93"), // Уголки стальные горячекатаные равнополочные
        QStringLiteral("ГОСТ 2590-2006"), // Прокат сортовой стальной горячекатаный круглый
        QStringLiteral("ГОСТ 103-2006"), // Прокат сортовой стальной горячекатаный полосовой
    };
    return standards;
}
