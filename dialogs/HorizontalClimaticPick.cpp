#include "dialogs/HorizontalClimaticPick.h"

#include "dialogs/ClimaticTable.h"

#include <cstddef>

double HorizontalClimaticPick::confirm(const std::array<bool, 4>& zones) {
    for (std::size_t zone = 0; zone < zones.size(); ++zone) {
        if (zones[zone])
            m_horizontal = kClimaticZones[zone].horizontal;
    }
    return m_horizontal;
}
