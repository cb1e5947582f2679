#include "tables/NormalizedResistanceTable.h"

const std::array<const char16_t*, 3> kEarthingKindItems = {
    u"Рабочее заземление нулевой точки трансформатора ",
    u"Повторное заземление нулевого провода на вводе в объект",
    u"Повторное заземление нулевого провода на воздушной линии",
};

const std::array<const char16_t*, 3> kNetworkVoltageItems = {u"220/127", u"380/220", u"660/380"};

// The electrical installation rules: the transformer neutral 8/4/2 Ohm, a repeated earthing at
// the building input 20/10/5 Ohm, one on an overhead line 60/30/15 Ohm.
const TableRows<std::int32_t> kNormalizedResistances = {{
    {8, 4, 2},
    {20, 10, 5},
    {60, 30, 15},
}};
