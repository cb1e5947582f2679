// The report engines of one program run.
#include "report/ReportSession.h"

#include <QFileInfo>
#include <exception>
#include <stdexcept>
#include <utility>

ReportSession::ReportSession(std::vector<EngineRecord> engines) : m_engines(std::move(engines)) {}

ReportSession::~ReportSession() {
    settle();
    discard(std::move(m_ahead));
}

void ReportSession::settle() {
    if (m_aheadDone.valid())
        m_aheadDone.wait();
}

void ReportSession::discard(std::unique_ptr<Ahead> ahead) {
    if (!ahead || !ahead->engine)
        return;
    try {
        ahead->engine->discard();
    } catch (...) {
    }
}

void ReportSession::fillAhead(const QString& templatePath,
                              std::function<std::vector<ReportRow>()> makeRows) {
    std::size_t record = 0;
    try {
        while (record < m_engines.size() && m_engines[record].available &&
               !m_engines[record].available())
            ++record;
    } catch (...) {
        return;
    }
    if (record == m_engines.size() || !m_engines[record].fillsAhead)
        return;
    // After the one asked for before, so that one fill ahead at a time reaches the engines.
    m_aheadDone = std::async(std::launch::async, [this, before = m_aheadDone, record, templatePath,
                                                  makeRows = std::move(makeRows)] {
                      if (before.valid())
                          before.wait();
                      fillAheadNow(record, templatePath, makeRows);
                  }).share();
}

void ReportSession::fillAheadNow(std::size_t record, const QString& templatePath,
                                 const std::function<std::vector<ReportRow>()>& makeRows) {
    std::unique_ptr<Ahead> ahead;
    try {
        std::vector<ReportRow> rows = makeRows();
        if (serves(m_ahead, record, templatePath, rows))
            return;
        discard(std::move(m_ahead));
        ahead = std::make_unique<Ahead>();
        ahead->record = record;
        ahead->templatePath = templatePath;
        ahead->modified = QFileInfo(templatePath).lastModified();
        ahead->engine = started(record);
        if (!ahead->engine)
            return;
        NoProgress progress; // not shown ahead
        ahead->notFound = ahead->engine->fill(templatePath, rows, progress);
        ahead->rows = std::move(rows);
        m_ahead = std::move(ahead);
    } catch (...) {
        discard(std::move(ahead));
    }
}

bool ReportSession::serves(const std::unique_ptr<Ahead>& ahead, std::size_t record,
                           const QString& templatePath, const std::vector<ReportRow>& rows) {
    try {
        return ahead && ahead->record == record && ahead->templatePath == templatePath &&
               ahead->modified == QFileInfo(templatePath).lastModified() && ahead->rows == rows &&
               ahead->engine->filledDocumentOpen();
    } catch (...) {
        return false;
    }
}

std::unique_ptr<ReportSession::Ahead> ReportSession::takeAhead(const QString& templatePath,
                                                               const std::vector<ReportRow>& rows) {
    settle();
    std::unique_ptr<Ahead> ahead = std::move(m_ahead);
    if (serves(ahead, m_startedAt, templatePath, rows))
        return ahead;
    discard(std::move(ahead));
    return nullptr;
}

void ReportSession::setEngines(std::vector<EngineRecord> engines) {
    settle();
    discard(std::move(m_ahead));
    m_engine.reset();
    m_engines = std::move(engines);
    m_startedAt = 0;
    m_lastFailure = {};
}

bool ReportSession::fail(EngineFailure::Kind kind, const QString& reason, const QString& file) {
    m_lastFailure = {kind, reason, file};
    return false;
}

// Runs an operation; any error gives false, with its reason kept.
template <class Operation> bool ReportSession::keepingTheReason(Operation&& operation) {
    m_lastFailure = {};
    try {
        return operation();
    } catch (const EngineFailure& e) {
        return fail(e.kind(), e.reason(), e.file());
    } catch (const std::exception& e) {
        return fail(EngineFailure::Kind::Other, QString::fromUtf8(e.what()));
    } catch (...) {
        return fail(EngineFailure::Kind::Other, QStringLiteral("unknown error"));
    }
}

std::unique_ptr<ReportEngine> ReportSession::started(std::size_t i) const {
    const EngineRecord& record = m_engines[i];
    if (record.available && !record.available())
        return nullptr;
    std::unique_ptr<ReportEngine> engine = record.make ? record.make() : nullptr;
    if (!engine)
        throw std::runtime_error("no word processor to start");
    engine->start();
    return engine;
}

bool ReportSession::start() {
    settle();
    return keepingTheReason([&] {
        std::exception_ptr failure;
        for (std::size_t i = 0; i < m_engines.size(); ++i) {
            try {
                if (std::unique_ptr<ReportEngine> engine = started(i)) {
                    m_engine = std::move(engine);
                    m_startedAt = i;
                    return true;
                }
            } catch (...) {
                failure = std::current_exception();
            }
        }
        if (failure)
            std::rethrow_exception(failure);
        return fail(EngineFailure::Kind::Other, QStringLiteral("no word processor to start"));
    });
}

bool ReportSession::fill(const QString& templatePath, const std::vector<ReportRow>& rows,
                         ReportProgress& progress, QStringList& notFound) {
    return keepingTheReason([&] {
        if (!m_engine)
            return fail(EngineFailure::Kind::Other, QStringLiteral("no word processor started"));
        if (std::unique_ptr<Ahead> ahead = takeAhead(templatePath, rows)) {
            m_engine = std::move(ahead->engine);
            notFound = ahead->notFound;
            for (const ReportRow& row : rows)
                if (row.step != 0)
                    progress.advance(row.step);
            return true;
        }
        std::exception_ptr failure;
        try {
            notFound = m_engine->fill(templatePath, rows, progress);
            return true;
        } catch (...) {
            const QFileInfo file(templatePath);
            if (!file.isFile() || !file.isReadable())
                throw;
            failure = std::current_exception();
        }
        for (std::size_t i = m_startedAt + 1; i < m_engines.size(); ++i) {
            try {
                if (std::unique_ptr<ReportEngine> engine = started(i)) {
                    notFound = engine->fill(templatePath, rows, progress);
                    m_engine = std::move(engine);
                    m_startedAt = i;
                    return true;
                }
            } catch (...) {
            }
        }
        std::rethrow_exception(failure);
    });
}

bool ReportSession::show() {
    settle();
    return keepingTheReason([&] {
        if (!m_engine)
            return fail(EngineFailure::Kind::Other, QStringLiteral("no word processor started"));
        m_engine->show();
        return true;
    });
}
