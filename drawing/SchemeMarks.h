// What a drawing puts where: the boxes of its texts and the segments of its lines, as a
// painter draws them, in the drawing's own units. Records with QtGui: needs a QGuiApplication.
#pragma once

#include <QLineF>
#include <QRectF>
#include <QSizeF>
#include <functional>
#include <vector>

class QPainter;

struct SchemeMarks {
    std::vector<QRectF> labels; // each text's box, from its ascent to its descent
    std::vector<QLineF> lines;  // each stroked line, polyline and outline, as segments

    // Drawn by paint onto a device of size; fills and backdrops are not marks.
    static SchemeMarks recorded(const QSizeF& size, const std::function<void(QPainter&)>& paint);
};
