#include "tables/HorizontalClimaticPick.h"

#include "tables/ClimaticTable.h"

#include <cstddef>

double HorizontalClimaticPick::confirm(const std::array<bool, 4>& zones) {
    for (std::size_t zone = 0; zone < zones.size(); ++zone) {
        if (zones[zone]) {
            m_horizontal = kClimaticZones[zone].horizontal;
            m_zone = static_cast<int>(zone);
        }
    }
    return m_horizontal;
}

void HorizontalClimaticPick::restore(std::optional<int> zone) {
    const bool known = zone && *zone >= 0 && *zone < static_cast<int>(kClimaticZones.size());
    m_zone = known ? zone : std::nullopt;
    m_horizontal = known ? kClimaticZones[static_cast<std::size_t>(*zone)].horizontal : 0.0;
}
