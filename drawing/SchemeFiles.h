// The scheme as files: SVG, PNG and PDF.
#pragma once

#include "drawing/SchemeDrawing.h"

#include <QByteArray>
#include <QImage>
#include <QString>
#include <optional>

enum class SchemeFormat { Svg, Png, Pdf };

// The format named by a file's extension (svg, png, pdf, any case); empty for another.
std::optional<SchemeFormat> schemeFormatOf(const QString& fileName);

// An SVG document of the canvas size.
QByteArray schemeSvg(const SchemeDrawing& drawing);
// A picture scale times the canvas size, on white.
QImage schemeImage(const SchemeDrawing& drawing, double scale = 1.5);
QByteArray schemePng(const SchemeDrawing& drawing, double scale = 1.5);
// One landscape A4 page.
QByteArray schemePdf(const SchemeDrawing& drawing);
QByteArray schemeFile(const SchemeDrawing& drawing, SchemeFormat format);
