// The note's picture and table written as RTF.
#pragma once

#include "note/ReportContent.h"

#include <QByteArray>

// A PNG picture as {\pict\pngblip …} at the picture's size, its bytes in hex; empty for a
// picture without bytes.
QByteArray rtfPicture(const ReportPicture& picture);

// A table of RTF rows (\trowd … \cell … \row) with single borders, the heading row bold and
// repeated on each page, ending the table with \pard; texts are encoded with uc fallback
// characters in codePage. Empty for a table without columns.
QByteArray rtfTable(const ReportTable& table, int uc, const QByteArray& codePage);
