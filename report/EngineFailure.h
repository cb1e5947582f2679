// A failure of a report engine, with its reason and, where the report's file is concerned, which
// file and what became of it.
#pragma once

#include <QString>
#include <stdexcept>

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
