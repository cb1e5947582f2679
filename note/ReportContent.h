// What the note holds besides text: a picture and a table, each put in place of one placeholder.
#pragma once

#include <QByteArray>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <vector>

// The width of the template's text: A4 less its margins of 30 and 15 mm.
inline constexpr double kNoteTextWidthMm = 165;

// A picture: PNG bytes, shown at sizeMm. No bytes: the place is left empty.
struct ReportPicture {
    QByteArray png;
    QSizeF sizeMm;
    bool operator==(const ReportPicture&) const = default;
};

// A table column: its heading, its width and how its cells are aligned (the heading is centred).
struct ReportColumn {
    QString title;
    double widthMm = 0;
    bool alignRight = false;
    bool operator==(const ReportColumn&) const = default;
};

// A table: a heading row of the columns' titles (bold), then the rows, each with one cell per
// column, all in the note's font at fontPt. No columns: the place is left empty.
struct ReportTable {
    std::vector<ReportColumn> columns;
    std::vector<QStringList> rows;
    double fontPt = 10;
    bool operator==(const ReportTable&) const = default;
};
