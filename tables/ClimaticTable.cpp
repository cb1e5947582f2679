#include "tables/ClimaticTable.h"

const std::array<ZoneCoefficients, 4> kClimaticZones = {{
    {1.9, 1.35, 5.75},
    {1.65, 1.25, 4.0},
    {1.5, 1.15, 2.25},
    {1.75, 1.1, 1.75},
}};

const std::array<const char16_t*, 2> kElectrodeTypeItems = {
    u"Длинна электродов 2-3 м и глубина заложения их вершины 0,5-0,8 м",
    u"Длинна электродов 5 м и глубина заложения их вершины 0,7-0,8 м ",
};
