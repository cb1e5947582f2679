// A word processor as the report sees it: five operations on one application and its document.
#pragma once

#include <QString>
#include <stdexcept>

// A failure of an engine, with its reason as a person can read it and, where the report's file is
// concerned, which file and what became of it.
class EngineFailure : public std::runtime_error {
public:
    enum class Kind {
        Other,      // anything else
        NotWritten, // the document could not be written to file
        NotShown,   // the document was written to file, but could not be shown
    };
    EngineFailure(Kind kind, const QString& reason, const QString& file = {});

    Kind kind() const noexcept { return m_kind; }
    const QString& reason() const noexcept { return m_reason; }
    const QString& file() const noexcept { return m_file; }

private:
    Kind m_kind;
    QString m_reason;
    QString m_file;
};

// Each operation may throw whatever its engine throws; the adapter functions turn every error
// into a false result and keep its reason.
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
