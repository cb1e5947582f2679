// The plan and the section of the earthing device as drawing geometry in millimetres of the
// device (full size, x to the right, y up), for a sheet drawn at a scale and for CAD files.
#pragma once

#include "base/NumberText.h"
#include "design/DesignInputs.h"
#include "design/DesignState.h"

#include <QPointF>
#include <QPolygonF>
#include <QRectF>
#include <QString>
#include <vector>

// The layers the views are drawn on.
enum class SchemeLayer { Electrodes, Strip, Dimensions, Text, Soil };

struct ViewPath {
    QPolygonF points;
    SchemeLayer layer = SchemeLayer::Strip;
    bool closed = false;
    bool dashed = false;
};

struct ViewCircle {
    QPointF centre;
    double radius = 0;
};

// A linear dimension between two points of the object, its line through `line` (horizontal or
// vertical), its text centred at `textAt`.
struct ViewDimension {
    QPointF from, to;
    QPointF line;
    bool vertical = false;
    QString text;
    QPointF textAt;
};

// A one-line text, centred at `at`, `height` tall.
struct ViewText {
    QPointF at;
    double height = 0;
    QString text;
};

struct SchemeViewGeometry {
    std::vector<ViewPath> paths;
    std::vector<ViewCircle> circles; // the electrodes of round section in the plan
    std::vector<QPointF> electrodes; // the electrodes' centres in the plan
    double electrodeRadius = 0;      // half the electrode's width, mm
    std::vector<ViewDimension> dimensions;
    std::vector<ViewText> texts;
    double textHeight = 0; // of the dimensions' texts and the others, mm of the device

    bool isEmpty() const { return paths.empty() && dimensions.empty() && texts.empty(); }
    // The rectangle that holds all of it, texts included.
    QRectF bounds() const;
};

// The width a text of `height` takes in the drawing's font, near enough to lay a view out.
double estimatedTextWidth(const QString& text, double height);

// The plan and the section for a sheet at 1:denominator: the texts are 3.7 mm tall on the sheet
// (capitals of 2.5 mm)
// and the dimension lines stand 8 mm of the sheet apart. Empty when the design has no plan.
// The section shows the first side from the first electrode, at most three electrodes of it, the
// ground at y = 0, the strip at t0, the layer boundary at H and both soils.
SchemeViewGeometry schemePlanView(const DesignState& state, const SteelThickness& thickness,
                                  const NumberText& numbers, double denominator);
SchemeViewGeometry schemeSectionView(const DesignState& state, const NumberText& numbers,
                                     double denominator);

// Why a view is not drawn, as the scheme says in its place: "План не строится: Nу = 1843,
// a = 5 м", "Разрез не строится: L = 0 м, t0 = 0,8 м".
QString planNotDrawn(const DesignState& state, const NumberText& numbers);
QString sectionNotDrawn(const DesignState& state, const NumberText& numbers);
