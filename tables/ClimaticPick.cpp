#include "tables/ClimaticPick.h"

#include <cstddef>

ClimaticPick::Coefficients ClimaticPick::confirm(const std::array<bool, 4>& zones,
                                                 int typePosition) {
    for (std::size_t zone = 0; zone < zones.size(); ++zone) {
        if (zones[zone]) {
            m_current = kClimaticZones[zone];
            m_zone = static_cast<int>(zone);
        }
    }
    if (typePosition == 0)
        m_vertical = m_current.verticalType1;
    else if (typePosition == 1)
        m_vertical = m_current.verticalType2;
    return {m_vertical, m_current.horizontal};
}

void ClimaticPick::restore(std::optional<int> zone, double vertical) {
    const bool known = zone && *zone >= 0 && *zone < static_cast<int>(kClimaticZones.size());
    m_zone = known ? zone : std::nullopt;
    m_current = known ? kClimaticZones[static_cast<std::size_t>(*zone)] : ZoneCoefficients{};
    m_vertical = vertical;
}
