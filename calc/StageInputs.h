// What the two stages read of the wizard's pages, taken from the design's inputs.
#pragma once

#include "calc/ElectrodeStage.h"
#include "calc/SiteStage.h"
#include "design/DesignInputs.h"

// The picks, display labels and edit boxes of the site page, with the measured soil applied.
SiteInputs siteInputs(const WizardState& wizard);
// The edit boxes and display labels of the electrode page.
ElectrodeInputs electrodeInputs(const WizardState& wizard);
