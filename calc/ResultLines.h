// The nine lines of the results page, written from a calculated design.
#pragma once

#include "base/NumberText.h"
#include "design/DesignState.h"

#include <QString>

// The nine lines, by label.
struct ResultLines {
    QString Label17, Label18, Label19, Label20, Label21, Label22, Label24, Label25, Label32;
};

// The lines for the values the electrode stage stored in state.
ResultLines resultLines(const DesignState& state, const NumberText& numbers);
