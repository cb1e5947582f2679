// The report engines of one program run: which engines there are, in the order they are tried,
// the engine that started last, and why the last operation failed.
#pragma once

#include "note/ReportRows.h"
#include "report/EngineFailure.h"
#include "report/EngineRecord.h"
#include "report/ReportEngine.h"
#include "report/ReportProgress.h"

#include <QString>
#include <QStringList>
#include <cstddef>
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
    // Releases the engine: a word processor is not told to quit, and its documents stay open.
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

    const Failure& lastFailure() const { return m_lastFailure; }

private:
    bool fail(EngineFailure::Kind kind, const QString& reason, const QString& file = {});
    template <class Operation> bool keepingTheReason(Operation&& operation);
    // Makes and starts the engine of record i; nullptr when it is not available.
    std::unique_ptr<ReportEngine> started(std::size_t i) const;

    std::vector<EngineRecord> m_engines;
    std::unique_ptr<ReportEngine> m_engine; // released before the records that made it
    std::size_t m_startedAt = 0;            // the record of m_engine
    Failure m_lastFailure;
};
