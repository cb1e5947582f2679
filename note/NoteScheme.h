// The scheme of the earthing device as the note's picture.
#pragma once

#include "base/NumberText.h"
#include "calc/BillOfMaterials.h"
#include "design/DesignState.h"
#include "note/ReportContent.h"

// The resolution of the note's picture: about 300 dots an inch on paper.
inline constexpr double kNoteSchemeDotsPerMm = 12;

// The scheme drawn for the design as the note's page shows it: as wide as the note's text, the
// plan above the section, its texts and lines as large on paper as the drawing sheet's; PNG at
// kNoteSchemeDotsPerMm, sized in mm. Draws with QtGui: needs a QGuiApplication.
ReportPicture noteScheme(const DesignState& state, const SteelThickness& thickness,
                         const NumberText& numbers);
