// The drawing sheet of the scheme as data, in millimetres of the paper (x to the right, y down
// from the top left corner): the frame, the title block of form 3 of ГОСТ Р 21.101-2020 with
// the project data, the equipment schedule above it, and the plan and the section each at the
// largest standard scale that fits. Fits its texts with QtGui: needs a QGuiApplication.
#pragma once

#include "base/NumberText.h"
#include "design/DesignInputs.h"
#include "design/DesignState.h"
#include "design/ProjectData.h"
#include "documents/SheetText.h"
#include "drawing/SchemeViews.h"

#include <QLineF>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <vector>

enum class SheetSize { A3, A4 };

// The lines of the standard's sheets.
inline constexpr double kThickLineMm = 0.5;
inline constexpr double kThinLineMm = 0.25;

struct SheetCell {
    QRectF rect;
    QString text;
    FittedText fitted; // the text as it is drawn into rect
    bool centred = true;
};

struct SheetLine {
    QLineF line;
    double widthMm = kThinLineMm;
};

// A view on the sheet: the model's point (x, y) in mm of the device is drawn at
// origin + (x, −y) / denominator.
struct SheetView {
    SchemeViewGeometry view;
    double denominator = 0; // 0: nothing to draw
    QRectF area;            // where the view may stand
    QPointF origin;
    SheetCell caption; // "План  М 1:100", under the view

    QPointF onSheet(QPointF model) const {
        return origin + QPointF(model.x(), -model.y()) / denominator;
    }
};

struct DrawingSheet {
    QSizeF page;
    QRectF frame;
    QRectF titleBlock;
    QRectF schedule;              // empty without rows
    std::vector<SheetCell> cells; // the title block's, then the equipment schedule's
    std::vector<SheetLine> lines; // the frame's, the title block's, the equipment schedule's
    SheetView plan, section;
};

// The standard scales the views are drawn at, largest first (the denominators).
std::vector<int> sheetScales();

// The largest of sheetScales() at which a view fits the area (given its size at 1:1 for a
// denominator), else the smallest.
template <class ViewAt> int largestFittingScale(const QSizeF& area, ViewAt viewSizeAtOne);

DrawingSheet drawingSheet(const DesignState& state, const SteelThickness& thickness,
                          const NumberText& numbers, const ProjectData& project, SheetSize size);

template <class ViewAt> int largestFittingScale(const QSizeF& area, ViewAt viewSizeAtOne) {
    const std::vector<int> scales = sheetScales();
    for (int d : scales) {
        const QSizeF size = viewSizeAtOne(d) / d;
        if (size.width() <= area.width() && size.height() <= area.height())
            return d;
    }
    return scales.back();
}
