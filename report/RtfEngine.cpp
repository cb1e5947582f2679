#include "report/RtfEngine.h"

#include "report/RtfContent.h"

#include <QFile>
#include <stdexcept>
#include <utility>

void RtfEngine::create() {
    m_document.reset();
    m_position = 0;
}

void RtfEngine::setVisible(bool) {}

void RtfEngine::openDocument(const QString& fileName) {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error("the document cannot be read");
    QByteArray bytes = file.readAll();
    if (!bytes.startsWith("{\\rtf"))
        throw std::runtime_error("the document is no RTF");
    m_document.emplace(std::move(bytes));
    m_position = 0;
}

void RtfEngine::goToStart() {
    active();
    m_position = 0;
}

bool RtfEngine::findReplace(const QString& key, const QString& value) {
    return replaced(active().replaceFirst(key, value, m_position));
}

bool RtfEngine::replaceWithPicture(const QString& key, const ReportPicture& picture) {
    return replaced(active().replaceFirstWithRtf(
        key, [&](int, const QByteArray&) { return rtfPicture(picture); }, m_position));
}

bool RtfEngine::replaceWithTable(const QString& key, const ReportTable& table) {
    return replaced(active().replaceFirstWithRtf(
        key, [&](int uc, const QByteArray& codePage) { return rtfTable(table, uc, codePage); },
        m_position));
}

bool RtfEngine::removeParagraph(const QString& key) {
    return replaced(active().removeFirstParagraph(key, m_position));
}

bool RtfEngine::replaced(qsizetype after) {
    if (after < 0)
        return false;
    m_position = after;
    return true;
}

const RtfDocument& RtfEngine::document() const {
    if (!m_document)
        throw std::runtime_error("no document is open");
    return *m_document;
}

RtfDocument& RtfEngine::active() {
    if (!m_document)
        throw std::runtime_error("no document is open");
    return *m_document;
}

bool RtfEngine::documentOpen() {
    return m_document.has_value();
}

void RtfEngine::closeDocument() {
    m_document.reset();
    m_position = 0;
}
