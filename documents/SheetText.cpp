// Texts of a drawing sheet fitted into their cells.
#include "documents/SheetText.h"

#include <QFontMetricsF>

#include <cmath>
#include <vector>

namespace {

// The font is measured at this size and the measures scaled.
constexpr int kMeasuredPixels = 100;

QFontMetricsF metrics() {
    return QFontMetricsF(sheetFont(kMeasuredPixels));
}

// Greedy lines of at most width (in measured pixels); words broken where one is wider.
QStringList wrapped(const QFontMetricsF& m, const QString& text, double width) {
    const double space = m.horizontalAdvance(QLatin1Char(' '));
    QStringList lines;
    QString line;
    double lineWidth = 0;
    const auto flush = [&] {
        if (!line.isEmpty())
            lines << line;
        line.clear();
        lineWidth = 0;
    };
    for (const QString& word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const double w = m.horizontalAdvance(word);
        if (!line.isEmpty() && lineWidth + space + w <= width) {
            line += QLatin1Char(' ') + word;
            lineWidth += space + w;
            continue;
        }
        flush();
        if (w <= width) {
            line = word;
            lineWidth = w;
            continue;
        }
        for (const QChar c : word) {
            const double cw = m.horizontalAdvance(c);
            if (!line.isEmpty() && lineWidth + cw > width)
                flush();
            line += c;
            lineWidth += cw;
        }
    }
    flush();
    return lines;
}

} // namespace

QFont sheetFont(int pixels) {
    QFont f(QStringLiteral("Liberation Sans"));
    f.setStyleHint(QFont::SansSerif);
    f.setPixelSize(std::max(pixels, 1));
    f.setKerning(false);
    return f;
}

QString printableText(const QString& text) {
    QString s = text;
    for (QChar& c : s)
        if (c.category() == QChar::Other_Control || c == QChar::LineSeparator ||
            c == QChar::ParagraphSeparator)
            c = QLatin1Char(' ');
    return s;
}

double sheetTextWidthMm(const QString& line, double emMm) {
    return metrics().horizontalAdvance(line) * emMm / kMeasuredPixels;
}

FittedText fitText(const QString& text, const QSizeF& box, double emMm) {
    const QString s = printableText(text).simplified();
    const QFontMetricsF m = metrics();
    const double lineRatio = m.height() / kMeasuredPixels;
    FittedText fitted;
    if (s.isEmpty() || !(box.width() > 0) || !(box.height() > 0) || !(emMm > 0))
        return fitted;
    // A long text starts near the size at which its area fills the box.
    const double area = m.horizontalAdvance(s) / kMeasuredPixels * lineRatio;
    double em = std::min(emMm, std::sqrt(box.width() * box.height() / area) * 1.2);
    for (;; em *= 0.94) {
        // The measured widths are scaled; a small margin keeps rounding at drawing inside.
        const double width = box.width() * 0.97 / em * kMeasuredPixels;
        const QStringList lines = wrapped(m, s, width);
        double widest = 0;
        for (const QString& line : lines)
            widest = std::max(widest, m.horizontalAdvance(line));
        const bool fits =
            widest <= width && static_cast<double>(lines.size()) * lineRatio * em <= box.height();
        if (!fits && em > 1e-3)
            continue;
        fitted.lines = lines;
        fitted.emMm = em;
        fitted.lineHeightMm = lineRatio * em;
        fitted.widthMm = widest * em / kMeasuredPixels;
        return fitted;
    }
}
