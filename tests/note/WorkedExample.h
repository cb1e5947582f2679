// The worked example of the electrode calculation, as the report sees it.
#pragma once

#include "base/NumberText.h"
#include "calc/ElectrodeStage.h"
#include "design/DesignState.h"
#include "tests/support/WorkedDesign.h"

#include <stdexcept>

namespace reporttest {

// The worked design computed by the electrode stage; the material of the state is then set to the
// one asked for.
inline DesignState workedExample(ElectrodeMaterial material = ElectrodeMaterial::Angle) {
    const NumberText numbers(QChar(','));
    worked::Design d = worked::rowOfAngles();
    if (!runElectrodeStage(d.in, numbers, d.state))
        throw std::logic_error("the worked example did not compute");
    d.state.ElectrodeMaterial = material;
    return d.state;
}

} // namespace reporttest
