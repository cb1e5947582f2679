#include "report/FirstStartingEngine.h"

#include <QFileInfo>
#include <exception>
#include <stdexcept>
#include <utility>

FirstStartingEngine::FirstStartingEngine(std::vector<std::unique_ptr<DocumentEngine>> candidates)
    : m_candidates(std::move(candidates)) {}

void FirstStartingEngine::create() {
    m_started = nullptr;
    std::exception_ptr failure;
    for (const auto& candidate : m_candidates) {
        try {
            candidate->create();
            m_started = candidate.get();
            return;
        } catch (...) {
            failure = std::current_exception();
        }
    }
    if (failure)
        std::rethrow_exception(failure);
    throw std::runtime_error("no word processor to start");
}

DocumentEngine& FirstStartingEngine::current() {
    if (!m_started)
        throw std::runtime_error("no word processor started");
    return *m_started;
}

void FirstStartingEngine::setVisible(bool visible) {
    current().setVisible(visible);
    m_visible = visible;
}

void FirstStartingEngine::openDocument(const QString& fileName) {
    std::exception_ptr failure;
    try {
        current().openDocument(fileName);
        return;
    } catch (...) {
        const QFileInfo file(fileName);
        if (!file.isFile() || !file.isReadable())
            throw;
        failure = std::current_exception();
    }
    auto next = m_candidates.begin();
    while (next != m_candidates.end() && next->get() != m_started)
        ++next;
    for (++next; next != m_candidates.end(); ++next) {
        try {
            DocumentEngine& candidate = **next;
            candidate.create();
            if (m_visible)
                candidate.setVisible(*m_visible);
            candidate.openDocument(fileName);
            m_started = &candidate;
            return;
        } catch (...) {
        }
    }
    std::rethrow_exception(failure);
}
void FirstStartingEngine::goToStart() {
    current().goToStart();
}
bool FirstStartingEngine::findReplace(const QString& key, const QString& value) {
    return current().findReplace(key, value);
}
