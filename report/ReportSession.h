// The report engines of one program run: which engines there are, in the order they are tried,
// the engine that started last, and why the last operation failed.
#pragma once

#include "note/ReportRows.h"
#include "report/EngineFailure.h"
#include "report/EngineRecord.h"
#include "report/ReportEngine.h"
#include "report/ReportProgress.h"

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <cstddef>
#include <functional>
#include <future>
#include <memory>
#include <vector>

class ReportSession {
public:
    // Why the last operation answered false.
    struct Failure {
        EngineFailure::Kind kind = EngineFailure::Kind::Other;
        QString reason; // empty while the last operation succeeded
        QString file;   // the report's file, where the failure concerns one
    };

    // engines: in order of preference.
    explicit ReportSession(std::vector<EngineRecord> engines = {});
    ReportSession(const ReportSession&) = delete;
    ReportSession& operator=(const ReportSession&) = delete;
    // Releases the engine: a word processor is not told to quit, and its documents stay open. A
    // fill made ahead is discarded.
    ~ReportSession();

    // Takes other engines (a word processor of checks or benchmarks in place of the program's);
    // the engine started before is released.
    void setEngines(std::vector<EngineRecord> engines);

    // Each operation catches every error, answers false and keeps the reason in lastFailure().

    // Makes and starts the engines in order, passing over those not available, until one starts;
    // it takes the place of the engine started before. On failure that engine stays.
    bool start();
    // Fills the template with the started engine; notFound gets the keys not put in place. A
    // template that is there and readable but that the engine cannot open is filled by the next
    // engine after it that is available, starts and opens it, which becomes the started engine.
    bool fill(const QString& templatePath, const std::vector<ReportRow>& rows,
              ReportProgress& progress, QStringList& notFound);
    // Shows the filled document with the started engine.
    bool show();

    // Makes the fill of a report to come ahead of it, when the engine that start() would start
    // now fills ahead: on a thread of its own, it makes and starts such an engine and fills the
    // template with the rows that makeRows gives (made on that thread too), and keeps it unshown.
    // Returns at once; a fill ahead already under way goes first. A later fill() of the same
    // template, unchanged, with the same rows, by an engine of the same record, takes that engine
    // and its keys not found in place of filling; any other fill discards it. Nothing of it fails:
    // what goes wrong ahead is left to the fill itself.
    void fillAhead(const QString& templatePath, std::function<std::vector<ReportRow>()> makeRows);

    const Failure& lastFailure() const { return m_lastFailure; }

private:
    bool fail(EngineFailure::Kind kind, const QString& reason, const QString& file = {});
    template <class Operation> bool keepingTheReason(Operation&& operation);
    // Makes and starts the engine of record i; nullptr when it is not available.
    std::unique_ptr<ReportEngine> started(std::size_t i) const;

    // A fill made ahead: the engine that holds it and what it was made of.
    struct Ahead {
        std::size_t record = 0;
        QString templatePath;
        QDateTime modified; // of the template, when it was filled
        std::vector<ReportRow> rows;
        QStringList notFound;
        std::unique_ptr<ReportEngine> engine;
    };
    // Waits for the fills ahead under way: every operation but fillAhead() begins with it.
    void settle();
    // The fill ahead itself, on its thread.
    void fillAheadNow(std::size_t record, const QString& templatePath,
                      const std::function<std::vector<ReportRow>()>& makeRows);
    // Whether ahead was made by record of the template as it is now, with rows, and is still
    // there to be shown.
    static bool serves(const std::unique_ptr<Ahead>& ahead, std::size_t record,
                       const QString& templatePath, const std::vector<ReportRow>& rows);
    // The fill ahead, when it serves this fill; otherwise discards any.
    std::unique_ptr<Ahead> takeAhead(const QString& templatePath,
                                     const std::vector<ReportRow>& rows);
    static void discard(std::unique_ptr<Ahead> ahead);

    std::vector<EngineRecord> m_engines;
    std::unique_ptr<ReportEngine> m_engine; // released before the records that made it
    std::size_t m_startedAt = 0;            // the record of m_engine
    Failure m_lastFailure;
    std::unique_ptr<Ahead> m_ahead;       // written only by the fills ahead until settled
    std::shared_future<void> m_aheadDone; // the last fill ahead asked for
};
