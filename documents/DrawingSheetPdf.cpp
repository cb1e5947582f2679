// The drawing sheet as a PDF page.
#include "documents/DrawingSheetPdf.h"

#include "documents/DocumentSave.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>

#include <cmath>

namespace {

constexpr int kDpi = 1200;
constexpr double kDotsPerMm = kDpi / 25.4;
// The electrodes in the plan are never drawn smaller than this, mm of the sheet.
constexpr double kSmallestElectrode = 0.6;
constexpr double kArrowLength = 2.5, kArrowWidth = 0.9;

QPointF dots(QPointF mm) {
    return mm * kDotsPerMm;
}
QRectF dots(const QRectF& mm) {
    return {dots(mm.topLeft()), dots(mm.bottomRight())};
}

QPen pen(double widthMm, Qt::PenStyle style = Qt::SolidLine) {
    QPen p(Qt::black, widthMm * kDotsPerMm, style, Qt::FlatCap, Qt::MiterJoin);
    return p;
}

// Lines of a fitted text centred (or from the left) in rect, mm.
void drawFitted(QPainter& p, const QRectF& rect, const FittedText& t, bool centred) {
    if (t.lines.isEmpty())
        return;
    p.setFont(sheetFont(static_cast<int>(std::lround(t.emMm * kDotsPerMm))));
    double top = rect.center().y() - t.heightMm() / 2;
    for (const QString& line : t.lines) {
        const QRectF box(rect.left() + 0.6, top, rect.width() - 1.2, t.lineHeightMm);
        p.drawText(dots(box), (centred ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignVCenter,
                   line);
        top += t.lineHeightMm;
    }
}

void drawText(QPainter& p, QPointF centreMm, double heightMm, const QString& text) {
    p.setFont(sheetFont(static_cast<int>(std::lround(heightMm * kDotsPerMm))));
    const double w = sheetTextWidthMm(text, heightMm) + 1;
    const QRectF box(centreMm.x() - w / 2, centreMm.y() - heightMm * 0.6, w, heightMm * 1.2);
    p.drawText(dots(box), Qt::AlignCenter, text);
}

void arrow(QPainter& p, QPointF tip, QPointF towards) {
    const QPointF d = towards - tip;
    const double length = std::hypot(d.x(), d.y());
    if (!(length > 0))
        return;
    const QPointF u = d / length, n(-u.y(), u.x());
    const QPolygonF head{dots(tip), dots(tip + u * kArrowLength + n * kArrowWidth / 2),
                         dots(tip + u * kArrowLength - n * kArrowWidth / 2)};
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    p.drawPolygon(head);
    p.setBrush(Qt::NoBrush);
}

void drawView(QPainter& p, const SheetView& v) {
    if (v.denominator == 0)
        return;
    const double d = v.denominator;
    for (const ViewPath& path : v.view.paths) {
        QPolygonF points;
        for (const QPointF& m : path.points)
            points << dots(v.onSheet(m));
        const bool strip = path.layer == SchemeLayer::Strip;
        p.setPen(
            pen(strip ? kThickLineMm : kThinLineMm, path.dashed ? Qt::DashLine : Qt::SolidLine));
        if (path.layer == SchemeLayer::Electrodes)
            p.setBrush(Qt::black);
        if (path.closed)
            p.drawPolygon(points);
        else
            p.drawPolyline(points);
        p.setBrush(Qt::NoBrush);
    }
    // The electrodes of the plan: a dot each, never smaller than can be seen.
    const double radius = std::max(v.view.electrodeRadius / d, kSmallestElectrode);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    for (const QPointF& c : v.view.electrodes)
        p.drawEllipse(dots(v.onSheet(c)), radius * kDotsPerMm, radius * kDotsPerMm);
    p.setBrush(Qt::NoBrush);
    const double h = v.view.textHeight / d;
    for (const ViewDimension& dim : v.view.dimensions) {
        const QPointF a = v.onSheet(dim.from), b = v.onSheet(dim.to);
        const QPointF line = v.onSheet(dim.line);
        const QPointF a2 = dim.vertical ? QPointF(line.x(), a.y()) : QPointF(a.x(), line.y());
        const QPointF b2 = dim.vertical ? QPointF(line.x(), b.y()) : QPointF(b.x(), line.y());
        p.setPen(pen(kThinLineMm * 0.8));
        const QPointF beyond = dim.vertical ? QPointF(1.5, 0) : QPointF(0, 1.5);
        const QPointF out = dim.vertical ? (line.x() > a.x() ? beyond : -beyond)
                                         : (line.y() > a.y() ? beyond : -beyond);
        p.drawLine(dots(a + out / 1.5), dots(a2 + out));
        p.drawLine(dots(b + out / 1.5), dots(b2 + out));
        p.drawLine(dots(a2), dots(b2));
        arrow(p, a2, b2);
        arrow(p, b2, a2);
        p.setPen(pen(kThinLineMm));
        drawText(p, v.onSheet(dim.textAt), h, dim.text);
    }
    for (const ViewText& t : v.view.texts)
        drawText(p, v.onSheet(t.at), t.height / d, t.text);
    drawFitted(p, v.caption.rect, v.caption.fitted, true);
}

} // namespace

QByteArray drawingSheetPdf(const DrawingSheet& sheet) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter pdf(&buffer);
    pdf.setResolution(kDpi);
    pdf.setTitle(QStringLiteral("Схема заземляющего устройства"));
    pdf.setCreator(QStringLiteral("Корвела"));
    const QPageSize::PageSizeId paper = sheet.page.width() > 300 ? QPageSize::A3 : QPageSize::A4;
    pdf.setPageLayout(QPageLayout(QPageSize(paper), QPageLayout::Landscape, QMarginsF(0, 0, 0, 0),
                                  QPageLayout::Millimeter));
    QPainter p(&pdf);
    p.setRenderHint(QPainter::Antialiasing);
    for (const SheetLine& line : sheet.lines) {
        p.setPen(pen(line.widthMm));
        p.drawLine(QLineF(dots(line.line.p1()), dots(line.line.p2())));
    }
    p.setPen(pen(kThinLineMm));
    for (const SheetCell& c : sheet.cells)
        drawFitted(p, c.rect, c.fitted, c.centred);
    drawView(p, sheet.plan);
    drawView(p, sheet.section);
    p.end();
    return bytes;
}

void saveDrawingSheet(const QString& path, const DesignState& state,
                      const SteelThickness& thickness, const NumberText& numbers,
                      const ProjectData& project, SheetSize size) {
    saveDocument(path, drawingSheetPdf(drawingSheet(state, thickness, numbers, project, size)));
}
