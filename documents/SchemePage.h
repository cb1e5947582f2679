// The scheme drawn for a page of text: the plan above the section, each as large as the
// width allows, their texts 3.7 mm tall (capitals of 2.5 mm) and their lines at least 0.25 mm
// when printed at the picture's size. Measures and draws with QtGui: needs a QGuiApplication.
#pragma once

#include "documents/DrawingSheet.h"

#include <QImage>

struct SchemePage {
    QSizeF size; // mm, as wide as asked
    SheetView plan, section;
};

// The scheme for a page width (mm); the plan at most planHeight tall, the section at most
// sectionHeight (mm).
SchemePage schemePage(const DesignState& state, const SteelThickness& thickness,
                      const NumberText& numbers, double widthMm, double planHeightMm = 80,
                      double sectionHeightMm = 60);

// The page's scheme as a picture on white at dotsPerMm.
QImage schemePageImage(const SchemePage& page, double dotsPerMm);
