// A word processor as a report engine: the template filled through its insertion point, one
// placeholder after the other.
#pragma once

#include "report/DocumentEngine.h"
#include "report/EngineRecord.h"
#include "report/ReportEngine.h"

#include <functional>
#include <memory>

// How many times one placeholder is tried before it is given up.
inline constexpr int kReplaceAttempts = 3;

class CursorReportEngine : public ReportEngine {
public:
    using CursorMaker = std::function<std::unique_ptr<DocumentEngine>()>;

    explicit CursorReportEngine(std::unique_ptr<DocumentEngine> cursor);

    // The record of a word processor that makeCursor makes; available and fillsAhead as in
    // EngineRecord.
    static EngineRecord record(const QString& name, std::function<bool()> available,
                               CursorMaker makeCursor, bool fillsAhead = false);

    // Creates the application.
    void start() override;
    // Hides the application and opens the template (only that failure is thrown); then, for each
    // row, puts the insertion point at the start and replaces the row's key with its text,
    // picture or table, up to kReplaceAttempts times. A failed call counts as a key not found.
    QStringList fill(const QString& templatePath, const std::vector<ReportRow>& rows,
                     ReportProgress& progress) override;
    // Shows the application with the filled document.
    void show() override;
    bool filledDocumentOpen() override;
    void discard() override;

private:
    // Puts the row's text, picture or table in place of its key; whether the key was found.
    bool replace(const ReportRow& row);

    std::unique_ptr<DocumentEngine> m_cursor;
};
