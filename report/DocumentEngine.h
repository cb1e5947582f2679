// A word processor as the report sees it: operations on one application and its document,
// driven through its insertion point.
#pragma once

#include "note/ReportContent.h"
#include "report/EngineFailure.h"

#include <QString>

// Each operation may throw whatever its engine throws; the report reaches a word processor only
// through CursorReportEngine, which decides what each error means.
class DocumentEngine {
public:
    virtual ~DocumentEngine() = default;

    // Starts the application (or takes over a running one of this program's own).
    virtual void create() = 0;
    // Shows or hides the application with its document.
    virtual void setVisible(bool visible) = 0;
    // Opens the document file given by its full path and makes it the active document.
    virtual void openDocument(const QString& fileName) = 0;
    // Puts the insertion point at the start of the active document.
    virtual void goToStart() = 0;
    // Replaces the first occurrence of key at or after the insertion point with value and puts
    // the insertion point after it. Returns whether key was found.
    virtual bool findReplace(const QString& key, const QString& value) = 0;
    // As findReplace, with a picture or a table in place of key; the key stands alone in its
    // paragraph. A picture without bytes or a table without columns leaves the place empty.
    virtual bool replaceWithPicture(const QString& key, const ReportPicture& picture) = 0;
    virtual bool replaceWithTable(const QString& key, const ReportTable& table) = 0;
    // As findReplace with nothing in place of key; where key stands alone in its paragraph, the
    // paragraph goes with it, its paragraph break included, so that no blank line is left.
    virtual bool removeParagraph(const QString& key) = 0;
    // Whether the active document is still open in the application.
    virtual bool documentOpen() = 0;
    // Closes the active document without saving; nothing when there is none.
    virtual void closeDocument() = 0;
};
