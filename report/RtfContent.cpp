// The note's picture and table written as RTF.
#include "report/RtfContent.h"

#include "report/RtfDocument.h"

#include <algorithm>
#include <cmath>

namespace {

qint64 twips(double mm) {
    return std::llround(mm * 1440 / 25.4);
}

QByteArray decimal(qint64 v) {
    return QByteArray::number(v);
}

// A PNG's width and height in pixels, from its header; 0 where the bytes are no PNG.
std::pair<quint32, quint32> pixelSize(const QByteArray& png) {
    if (png.size() < 24 || !png.startsWith("\x89PNG\r\n\x1a\n") || png.mid(12, 4) != "IHDR")
        return {0, 0};
    const auto at = [&](int i) {
        quint32 v = 0;
        for (int k = 0; k < 4; ++k)
            v = v << 8 | static_cast<unsigned char>(png[i + k]);
        return v;
    };
    return {at(16), at(20)};
}

// The definition of a row: single borders, the cells' right edges in twips.
QByteArray rowDefinition(const ReportTable& table, bool heading) {
    QByteArray rtf = "\\trowd\\trgaph108\\trleft0";
    if (heading)
        rtf += "\\trhdr";
    double right = 0;
    for (const ReportColumn& column : table.columns) {
        right += column.widthMm;
        rtf += "\\clbrdrt\\brdrs\\brdrw10\\clbrdrl\\brdrs\\brdrw10"
               "\\clbrdrb\\brdrs\\brdrw10\\clbrdrr\\brdrs\\brdrw10\\cellx" +
               decimal(twips(right));
    }
    return rtf + '\n';
}

} // namespace

QByteArray rtfPicture(const ReportPicture& picture) {
    if (picture.png.isEmpty())
        return {};
    const auto [width, height] = pixelSize(picture.png);
    QByteArray rtf = "{\\pict\\pngblip\\picw" + decimal(width) + "\\pich" + decimal(height) +
                     "\\picwgoal" + decimal(twips(picture.sizeMm.width())) + "\\pichgoal" +
                     decimal(twips(picture.sizeMm.height())) + '\n';
    const QByteArray hex = picture.png.toHex();
    constexpr qsizetype kLine = 128;
    rtf.reserve(rtf.size() + hex.size() + hex.size() / kLine + 2);
    for (qsizetype i = 0; i < hex.size(); i += kLine) {
        rtf.append(hex.constData() + i, std::min(kLine, hex.size() - i));
        rtf += '\n';
    }
    return rtf + '}';
}

QByteArray rtfTable(const ReportTable& table, int uc, const QByteArray& codePage) {
    if (table.columns.empty())
        return {};
    // \fs counts half points.
    const QByteArray size = "{\\fs" + decimal(std::lround(table.fontPt * 2));
    const auto cell = [&](const QString& text, const char* alignment, bool bold) {
        return QByteArray("\\pard\\intbl") + alignment + size + (bold ? "\\b " : " ") +
               RtfDocument::encode(text, uc, codePage) + "}\\cell\n";
    };
    QByteArray rtf = rowDefinition(table, true);
    for (const ReportColumn& column : table.columns)
        rtf += cell(column.title, "\\qc", true);
    rtf += "\\row\n";
    const QByteArray body = rowDefinition(table, false);
    for (const QStringList& row : table.rows) {
        rtf += body;
        for (std::size_t c = 0; c < table.columns.size(); ++c)
            rtf += cell(qsizetype(c) < row.size() ? row[qsizetype(c)] : QString(),
                        table.columns[c].alignRight ? "\\qr" : "\\ql", false);
        rtf += "\\row\n";
    }
    return rtf + "\\pard ";
}
