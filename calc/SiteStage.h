// The site stage behind "Далее>>" of the site page: soils, climatic coefficients, depths and the
// normalized resistance go into the design state.
#pragma once

#include "base/NumberText.h"
#include "design/DesignState.h"
#include "design/MeasuredSoil.h"

#include <QString>

// The texts and picks of the site page.
struct SiteInputs {
    int upperSoilPosition = -1;   // picked position of the upper soil, -1 when none
    int lowerSoilPosition = -1;   // picked position of the lower soil
    QString climaticVertical;     // ψv, text of the display label
    QString climaticHorizontal;   // ψh
    QString upperLayerThickness;  // H, m
    QString horizontalDepth;      // t0, m
    QString normalizedResistance; // Rn, whole ohms
    // The soil measured on the site that was applied, whose items follow the table's soils in
    // both lists (position 18); none while no measured soil is applied.
    std::optional<MeasuredSoil> measuredSoil;
};

// Stores ρ1, ρ2 (with the picked soils' item texts, and the measured soil when either is its
// item), ψv, ψh, H, t0 and Rn in this order, each the
// moment it is read; throws ConversionError on the first bad text. Returns whether both soils are
// known (ρ1 > 0 and ρ2 > 0), that is whether the electrode page may open.
bool runSiteStage(const SiteInputs& in, const NumberText& numbers, DesignState& state);
