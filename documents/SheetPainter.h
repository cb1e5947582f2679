// Draws the parts of a drawing sheet (lines, cells with their fitted texts, views at their
// scales) onto a painter whose device has a given number of dots to the millimetre.
#pragma once

#include "documents/DrawingSheet.h"

class QPainter;

// The lines of the views, mm of the paper: outlines and dimensions thin, the strip thick.
inline constexpr double kViewLineMm = kThinLineMm;

class SheetPainter {
public:
    SheetPainter(QPainter& painter, double dotsPerMm);

    void drawLine(const SheetLine& line) const;
    void drawCell(const SheetCell& cell) const;
    // The view's lines, electrodes, dimensions and texts, then its caption.
    void drawView(const SheetView& view) const;

private:
    QPointF dots(QPointF mm) const { return mm * m_dotsPerMm; }
    QRectF dots(const QRectF& mm) const { return {dots(mm.topLeft()), dots(mm.bottomRight())}; }
    void setPen(double widthMm, Qt::PenStyle style = Qt::SolidLine) const;
    void text(QPointF centreMm, double heightMm, const QString& text) const;
    void arrow(QPointF tip, QPointF towards) const;

    QPainter& m_painter;
    double m_dotsPerMm;
};
