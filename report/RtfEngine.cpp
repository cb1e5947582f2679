#include "report/RtfEngine.h"

#include "report/ReportFileName.h"
#include "report/RtfContent.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <stdexcept>
#include <utility>

RtfEngine::RtfEngine(QString outputDir, Opener opener)
    : m_outputDir(std::move(outputDir)), m_opener(std::move(opener)) {}

void RtfEngine::create() {
    m_document.reset();
    m_position = 0;
    m_shownFile.clear();
}

void RtfEngine::setVisible(bool visible) {
    if (!visible || !m_document)
        return;
    if (m_shownFile.isEmpty())
        m_shownFile = writeNewFile();
    if (!m_opener || !m_opener(m_shownFile))
        throw EngineFailure(EngineFailure::Kind::NotShown,
                            QStringLiteral("no application opens the written report"), m_shownFile);
}

void RtfEngine::openDocument(const QString& fileName) {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error("the document cannot be read");
    QByteArray bytes = file.readAll();
    if (!bytes.startsWith("{\\rtf"))
        throw std::runtime_error("the document is no RTF");
    m_document.emplace(std::move(bytes));
    m_position = 0;
    m_shownFile.clear();
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
    m_shownFile.clear();
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

QString RtfEngine::writeNewFile() const {
    QDir dir(m_outputDir);
    // A folder that cannot be made shows in the file's own failure below, with its reason.
    dir.mkpath(QStringLiteral("."));
    // The file is made new, so that a name taken meanwhile is never written over.
    QFile file;
    freeReportStem(dir, QStringLiteral(".rtf"), [&](const QString& stem) {
        file.setFileName(dir.filePath(stem + QStringLiteral(".rtf")));
        if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
            return false;
        if (file.exists())
            return true;
        throw EngineFailure(EngineFailure::Kind::NotWritten, file.errorString(),
                            QDir::cleanPath(QFileInfo(file).absoluteFilePath()));
    });
    const QByteArray& bytes = m_document->bytes();
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        const QString reason = file.errorString();
        file.remove();
        throw EngineFailure(EngineFailure::Kind::NotWritten, reason,
                            QDir::cleanPath(QFileInfo(file).absoluteFilePath()));
    }
    return file.fileName();
}
