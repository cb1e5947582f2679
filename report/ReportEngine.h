// A report engine as the report sees it: started, given the template and the rows to fill it with,
// and asked to show the result.
#pragma once

#include "note/ReportRows.h"
#include "report/EngineFailure.h"
#include "report/ReportProgress.h"

#include <QString>
#include <QStringList>
#include <vector>

// Each operation may throw whatever its engine throws; ReportSession turns every error into a
// false result and keeps its reason.
class ReportEngine {
public:
    virtual ~ReportEngine();

    // Starts the engine (or takes over a running one of this program's own).
    virtual void start() = 0;
    // Fills the template at templatePath with rows, in their order (each key replaced by the row's
    // text, picture or table), and advances progress by a row's step once the row is done (a
    // step of 0 is no advance). The template file itself is
    // never written. Answers the keys that were not put in place, in the rows' order. Throws only
    // when the template cannot be opened or read, and then before any row.
    virtual QStringList fill(const QString& templatePath, const std::vector<ReportRow>& rows,
                             ReportProgress& progress) = 0;
    // Shows the filled document. A document that could not be written to its file is an
    // EngineFailure of kind NotWritten; one written but not shown, of kind NotShown.
    virtual void show() = 0;
    // Whether the document filled is still there to be shown (a word processor's may have been
    // closed since); true unless the engine says otherwise.
    virtual bool filledDocumentOpen();
    // Closes the document filled, unshown and unsaved, where the engine keeps one; nothing
    // otherwise.
    virtual void discard();
};
