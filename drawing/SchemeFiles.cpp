// The scheme as files: SVG, PNG and PDF.
#include "drawing/SchemeFiles.h"

#include <QBuffer>
#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

#include <cmath>

std::optional<SchemeFormat> schemeFormatOf(const QString& fileName) {
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    if (suffix == QLatin1String("svg"))
        return SchemeFormat::Svg;
    if (suffix == QLatin1String("png"))
        return SchemeFormat::Png;
    if (suffix == QLatin1String("pdf"))
        return SchemeFormat::Pdf;
    return std::nullopt;
}

QByteArray schemeSvg(const SchemeDrawing& drawing) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    const QSizeF canvas = SchemeDrawing::canvasSize();
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(canvas.toSize());
    svg.setViewBox(QRectF(QPointF(0, 0), canvas));
    svg.setResolution(96);
    svg.setTitle(QStringLiteral("Схема заземляющего устройства"));
    QPainter painter(&svg);
    drawing.paint(painter, canvas);
    painter.end();
    return bytes;
}

QImage schemeImage(const SchemeDrawing& drawing, double scale) {
    const QSizeF size = SchemeDrawing::canvasSize() * scale;
    QImage image(QSize(static_cast<int>(std::lround(size.width())),
                       static_cast<int>(std::lround(size.height()))),
                 QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    drawing.paint(painter, image.size());
    painter.end();
    return image;
}

QByteArray schemePng(const SchemeDrawing& drawing, double scale) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    schemeImage(drawing, scale).save(&buffer, "PNG");
    return bytes;
}

QByteArray schemePdf(const SchemeDrawing& drawing) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter pdf(&buffer);
    pdf.setResolution(300);
    pdf.setTitle(QStringLiteral("Схема заземляющего устройства"));
    pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape,
                                  QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter));
    QPainter painter(&pdf);
    drawing.paint(painter, QSizeF(pdf.width(), pdf.height()));
    painter.end();
    return bytes;
}

QByteArray schemeFile(const SchemeDrawing& drawing, SchemeFormat format) {
    switch (format) {
    case SchemeFormat::Svg:
        return schemeSvg(drawing);
    case SchemeFormat::Png:
        return schemePng(drawing);
    case SchemeFormat::Pdf:
        return schemePdf(drawing);
    }
    return {};
}
