// A word processor as the report sees it: five operations on one application and its document.
#pragma once

#include <QString>

// Each operation may throw whatever its engine throws; the adapter functions turn every error
// into a false result.
class DocumentEngine {
public:
    virtual ~DocumentEngine();

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
};
