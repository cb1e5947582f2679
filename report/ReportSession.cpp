// The report engines of one program run.
#include "report/ReportSession.h"

#include <QFileInfo>
#include <exception>
#include <stdexcept>
#include <utility>

ReportSession::ReportSession(std::vector<EngineRecord> engines) : m_engines(std::move(engines)) {}

ReportSession::~ReportSession() = default;

void ReportSession::setEngines(std::vector<EngineRecord> engines) {
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
    return keepingTheReason([&] {
        if (!m_engine)
            return fail(EngineFailure::Kind::Other, QStringLiteral("no word processor started"));
        m_engine->show();
        return true;
    });
}
