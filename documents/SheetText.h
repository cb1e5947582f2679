// Texts of a drawing sheet in the drawing's font, fitted into their cells: shrunk or wrapped,
// never cut or standing over the cell. Measures with QtGui: needs a QGuiApplication.
#pragma once

#include <QFont>
#include <QSizeF>
#include <QString>
#include <QStringList>

// A text as it goes into its cell: its lines, each as wide as it measures, at a font size.
struct FittedText {
    QStringList lines;
    double emMm = 0;         // the font's size, mm
    double lineHeightMm = 0; // the lines' distance, mm
    double widthMm = 0;      // of the widest line

    double heightMm() const { return lineHeightMm * static_cast<double>(lines.size()); }
};

// The drawing's font (sans serif), at a size in pixels.
QFont sheetFont(int pixels);

// The text with every control character (line breaks included) as a space, so that a field
// typed anywhere is drawn and written on one line of its own words.
QString printableText(const QString& text);

// How wide a line is at a font size of emMm.
double sheetTextWidthMm(const QString& line, double emMm);

// The text fitted into a box of size (mm): at emMm where it fits on the lines the box has room
// for, else at the largest smaller size where it does. Words are kept whole where they fit a
// line, else broken.
FittedText fitText(const QString& text, const QSizeF& box, double emMm);
