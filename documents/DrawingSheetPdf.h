// The drawing sheet as a PDF page: the frame, the title block, the equipment schedule and the
// views, in the drawing's font, embedded. Draws with QtGui: needs a QGuiApplication.
#pragma once

#include "documents/DrawingSheet.h"

#include <QByteArray>

QByteArray drawingSheetPdf(const DrawingSheet& sheet);

// The sheet of the design as a PDF file at path; throws UserError naming the file and the
// reason when it cannot be written (nothing is then left at path but what was there).
void saveDrawingSheet(const QString& path, const DesignState& state,
                      const SteelThickness& thickness, const NumberText& numbers,
                      const ProjectData& project, SheetSize size);
