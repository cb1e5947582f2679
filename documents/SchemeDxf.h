// The drawing sheet as DXF (R2000) for CAD programs: the plan and the section in model space in
// millimetres at full size on the layers "Заземлители", "Полоса", "Размеры", "Текст", "Грунт",
// and the frame, the title block and the equipment schedule on the layer "Рамка", drawn at the
// plan's scale around the views so that the file prints as the sheet's PDF does. The section is
// a block inserted at the ratio of the two scales. Texts other than ASCII are written as
// \U+XXXX.
#pragma once

#include "documents/DrawingSheet.h"

#include <QByteArray>
#include <string>

QByteArray schemeDxf(const DrawingSheet& sheet);

// A text as a DXF string: printable, every character other than ASCII letters, digits and
// punctuation (and the backslash, the caret and the percent sign, which CAD programs read as
// codes) as \U+XXXX.
std::string dxfText(const QString& text);

// The sheet of the design as a DXF file at path; throws UserError naming the file and the reason
// when it cannot be written (nothing is then left at path but what was there).
void saveSchemeDxf(const QString& path, const DesignState& state, const SteelThickness& thickness,
                   const NumberText& numbers, const ProjectData& project, SheetSize size);
