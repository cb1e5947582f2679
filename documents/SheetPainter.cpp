// Draws the parts of a drawing sheet onto a painter.
#include "documents/SheetPainter.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

// The electrodes in the plan are never drawn smaller than this, mm of the sheet.
constexpr double kSmallestElectrode = 0.6;
constexpr double kArrowLength = 2.5, kArrowWidth = 0.9;

} // namespace

SheetPainter::SheetPainter(QPainter& painter, double dotsPerMm)
    : m_painter(painter), m_dotsPerMm(dotsPerMm) {
    m_painter.setRenderHint(QPainter::Antialiasing);
    m_painter.setRenderHint(QPainter::TextAntialiasing);
}

void SheetPainter::setPen(double widthMm, Qt::PenStyle style) const {
    m_painter.setPen(QPen(Qt::black, widthMm * m_dotsPerMm, style, Qt::FlatCap, Qt::MiterJoin));
}

void SheetPainter::drawLine(const SheetLine& line) const {
    setPen(line.widthMm);
    m_painter.drawLine(QLineF(dots(line.line.p1()), dots(line.line.p2())));
}

void SheetPainter::drawCell(const SheetCell& cell) const {
    const FittedText& t = cell.fitted;
    if (t.lines.isEmpty())
        return;
    setPen(kThinLineMm);
    m_painter.setFont(sheetFont(static_cast<int>(std::lround(t.emMm * m_dotsPerMm))));
    double top = cell.rect.center().y() - t.heightMm() / 2;
    for (const QString& line : t.lines) {
        const QRectF box(cell.rect.left() + 0.6, top, cell.rect.width() - 1.2, t.lineHeightMm);
        m_painter.drawText(
            dots(box), (cell.centred ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignVCenter, line);
        top += t.lineHeightMm;
    }
}

void SheetPainter::text(QPointF centreMm, double heightMm, const QString& s) const {
    m_painter.setFont(sheetFont(static_cast<int>(std::lround(heightMm * m_dotsPerMm))));
    const double w = sheetTextWidthMm(s, heightMm) + 1;
    const QRectF box(centreMm.x() - w / 2, centreMm.y() - heightMm * 0.6, w, heightMm * 1.2);
    m_painter.drawText(dots(box), Qt::AlignCenter, s);
}

void SheetPainter::arrow(QPointF tip, QPointF towards) const {
    const QPointF d = towards - tip;
    const double length = std::hypot(d.x(), d.y());
    if (!(length > 0))
        return;
    const QPointF u = d / length, n(-u.y(), u.x());
    const QPolygonF head{dots(tip), dots(tip + u * kArrowLength + n * kArrowWidth / 2),
                         dots(tip + u * kArrowLength - n * kArrowWidth / 2)};
    m_painter.setPen(Qt::NoPen);
    m_painter.setBrush(Qt::black);
    m_painter.drawPolygon(head);
    m_painter.setBrush(Qt::NoBrush);
}

void SheetPainter::drawView(const SheetView& v) const {
    if (!(v.denominator > 0)) {
        drawCell(v.caption); // why it is not drawn, if it says
        return;
    }
    const double d = v.denominator;
    for (const ViewPath& path : v.view.paths) {
        QPolygonF points;
        for (const QPointF& m : path.points)
            points << dots(v.onSheet(m));
        const bool strip = path.layer == SchemeLayer::Strip;
        setPen(strip ? kThickLineMm : kViewLineMm, path.dashed ? Qt::DashLine : Qt::SolidLine);
        if (path.layer == SchemeLayer::Electrodes)
            m_painter.setBrush(Qt::black);
        if (path.closed)
            m_painter.drawPolygon(points);
        else
            m_painter.drawPolyline(points);
        m_painter.setBrush(Qt::NoBrush);
    }
    // The electrodes of the plan: a dot each, never smaller than can be seen; over an angle's
    // outline only while the outline is too small to be seen.
    const bool outlined =
        std::any_of(v.view.paths.begin(), v.view.paths.end(),
                    [](const ViewPath& p) { return p.layer == SchemeLayer::Electrodes; });
    const double trueRadius = v.view.electrodeRadius / d;
    const double radius =
        outlined && trueRadius >= kSmallestElectrode ? 0 : std::max(trueRadius, kSmallestElectrode);
    m_painter.setPen(Qt::NoPen);
    m_painter.setBrush(Qt::black);
    for (const QPointF& c : v.view.electrodes)
        if (radius > 0)
            m_painter.drawEllipse(dots(v.onSheet(c)), radius * m_dotsPerMm, radius * m_dotsPerMm);
    m_painter.setBrush(Qt::NoBrush);
    const double h = v.view.textHeight / d;
    for (const ViewDimension& dim : v.view.dimensions) {
        const QPointF a = v.onSheet(dim.from), b = v.onSheet(dim.to);
        const QPointF line = v.onSheet(dim.line);
        const QPointF a2 = dim.vertical ? QPointF(line.x(), a.y()) : QPointF(a.x(), line.y());
        const QPointF b2 = dim.vertical ? QPointF(line.x(), b.y()) : QPointF(b.x(), line.y());
        setPen(kViewLineMm);
        const QPointF beyond = dim.vertical ? QPointF(1.5, 0) : QPointF(0, 1.5);
        const QPointF out = dim.vertical ? (line.x() > a.x() ? beyond : -beyond)
                                         : (line.y() > a.y() ? beyond : -beyond);
        m_painter.drawLine(dots(a + out / 1.5), dots(a2 + out));
        m_painter.drawLine(dots(b + out / 1.5), dots(b2 + out));
        m_painter.drawLine(dots(a2), dots(b2));
        arrow(a2, b2);
        arrow(b2, a2);
        setPen(kThinLineMm);
        text(v.onSheet(dim.textAt), h, dim.text);
    }
    setPen(kThinLineMm);
    for (const ViewText& t : v.view.texts)
        text(v.onSheet(t.at), t.height / d, t.text);
    drawCell(v.caption);
}
