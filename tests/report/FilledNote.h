// Filled notes for the PDF's tests and benchmark: the built template filled with a design's rows
// as the built-in engine fills it, and the worked design laid out along a contour.
#pragma once

#include "calc/ElectrodeStage.h"
#include "note/ReportRows.h"
#include "report/RtfDocument.h"
#include "tests/note/WorkedExample.h"
#include "tests/report/ReportTestSupport.h"

#include <QByteArray>
#include <stdexcept>

namespace reporttest {

// Each key replaced from the start of the note, in the order of the rows.
inline QByteArray filledNote(const DesignState& s) {
    RtfDocument note(readAll(kTemplate));
    for (const ReportRow& row : reportRows(s, NumberText(QChar(',')))) {
        if (row.ownParagraph && !row.table && row.text.isEmpty())
            note.removeFirstParagraph(row.key, 0);
        else
            note.replaceFirst(row.key, row.text, 0);
    }
    return note.bytes();
}

// The worked design along a contour, of round steel of 16 mm.
inline DesignState contourExample() {
    worked::Design d = worked::rowOfAngles();
    d.state.ElectrodeArrangement = ElectrodeArrangement::Contour;
    d.state.ElectrodeMaterial = ElectrodeMaterial::RoundSection;
    d.in.electrodeSizeMm = QStringLiteral("16");
    if (!runElectrodeStage(d.in, NumberText(QChar(',')), d.state))
        throw std::logic_error("the contour did not compute");
    return d.state;
}

} // namespace reporttest
