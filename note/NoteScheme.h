// The scheme of the earthing device as the note's picture.
#pragma once

#include "base/NumberText.h"
#include "calc/BillOfMaterials.h"
#include "design/DesignState.h"
#include "note/ReportContent.h"

// The scheme drawn for the design as PNG, as wide as the note's text. Draws with QtGui: needs a
// QGuiApplication.
ReportPicture noteScheme(const DesignState& state, const SteelThickness& thickness,
                         const NumberText& numbers);
