#include "calc/StageInputs.h"

SiteInputs siteInputs(const WizardState& w) {
    SiteInputs in;
    in.upperSoilPosition = w.upperSoil.position;
    in.lowerSoilPosition = w.lowerSoil.position;
    in.climaticVertical = w.Label29;
    in.climaticHorizontal = w.Label28;
    in.upperLayerThickness = w.Edit5;
    in.horizontalDepth = w.Edit6;
    in.normalizedResistance = w.Label27;
    in.measuredSoil = w.measuredSoil;
    return in;
}

ElectrodeInputs electrodeInputs(const WizardState& w) {
    ElectrodeInputs in;
    in.electrodeSizeMm = w.Edit8;
    in.verticalLength = w.Edit9;
    in.stripWidthMm = w.Edit10;
    in.spacing = w.Edit11;
    in.utilizationHorizontal = w.Label26;
    in.utilizationVertical = w.Label16;
    return in;
}
