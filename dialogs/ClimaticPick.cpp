#include "dialogs/ClimaticPick.h"

#include <cstddef>

ClimaticPick::Coefficients ClimaticPick::confirm(const std::array<bool, 4>& zones,
                                                 int typePosition) {
    for (std::size_t zone = 0; zone < zones.size(); ++zone) {
        if (zones[zone])
            m_current = kClimaticZones[zone];
    }
    if (typePosition == 0)
        m_vertical = m_current.verticalType1;
    else if (typePosition == 1)
        m_vertical = m_current.verticalType2;
    return {m_vertical, m_current.horizontal};
}
