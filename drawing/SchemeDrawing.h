// The scheme of the earthing device: plan, section with the soil layers, and a title block.
#pragma once

#include "base/NumberText.h"
#include "calc/BillOfMaterials.h"
#include "design/DesignState.h"

#include <QSizeF>

class QPainter;

class SchemeDrawing {
public:
    SchemeDrawing(DesignState state, SteelThickness thickness, NumberText numbers);

    // The size the scheme is laid out at, in its own units (pixels at 96 dpi).
    static QSizeF canvasSize() { return {1280, 800}; }

    // Draws the scheme onto the painter's device, into the rectangle (0, 0, size), scaled
    // uniformly and centred; the background is white. Draws on any paint device.
    void paint(QPainter& painter, const QSizeF& size) const;

private:
    void paintCanvas(QPainter& p) const;

    DesignState m_state;
    SteelThickness m_thickness;
    NumberText m_numbers;
};
