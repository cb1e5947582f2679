// The standards of the rolled steel that earth electrodes are made of, as an equipment schedule
// names them.
#pragma once

#include <QString>

struct SteelProducts {
    QString angle; // equal-flange angle
    QString round; // round bar
    QString strip; // strip
};

// "ГОСТ 8509-93", "ГОСТ 2590-2006", "ГОСТ 103-2006".
const SteelProducts& steelProductStandards();
