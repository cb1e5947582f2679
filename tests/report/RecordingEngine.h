// A word processor for checks: records every call and fails where it is told to.
#pragma once

#include "note/ReportRows.h"
#include "report/CursorReportEngine.h"
#include "report/DocumentEngine.h"
#include "report/EngineRecord.h"

#include <QMap>
#include <QSet>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <stdexcept>
#include <vector>

namespace reporttest {

struct EngineScript {
    bool createFails = false;
    bool openFails = false;
    bool showFails = false;
    QSet<QString> missingKeys;   // never found
    QMap<QString, int> lateKeys; // found only after this many failed tries
    bool documentGone = false;   // the document filled has been closed in the word processor
    // "create", "visible 0", "open <path>", "start", "replace k=v", "picture k=png" (or "=none"),
    // "table k=<tableText>", "close"
    QStringList calls;
    std::function<void(const QString& call)> onCall; // sees each call as it is made
};

class RecordingEngine : public DocumentEngine {
public:
    explicit RecordingEngine(EngineScript& script) : m_script(script) {}

    void create() override {
        record(QStringLiteral("create"));
        if (m_script.createFails)
            throw std::runtime_error("no word processor");
    }
    void setVisible(bool visible) override {
        record(QStringLiteral("visible %1").arg(int(visible)));
        if (visible && m_script.showFails)
            throw std::runtime_error("cannot show");
    }
    void openDocument(const QString& fileName) override {
        record(QStringLiteral("open ") + fileName);
        if (m_script.openFails)
            throw std::runtime_error("no such document");
    }
    void goToStart() override { record(QStringLiteral("start")); }
    bool findReplace(const QString& key, const QString& value) override {
        record(QStringLiteral("replace ") + key + QLatin1Char('=') + value);
        return found(key);
    }
    bool replaceWithPicture(const QString& key, const ReportPicture& picture) override {
        record(
            QStringLiteral("picture ") + key + QLatin1Char('=') +
            (picture.png.startsWith("\x89PNG") ? QStringLiteral("png") : QStringLiteral("none")));
        return found(key);
    }
    bool replaceWithTable(const QString& key, const ReportTable& table) override {
        record(QStringLiteral("table ") + key + QLatin1Char('=') + tableText(table));
        return found(key);
    }

    bool removeParagraph(const QString& key) override {
        record(QStringLiteral("remove ") + key);
        return found(key);
    }
    bool documentOpen() override { return !m_script.documentGone; }
    void closeDocument() override { record(QStringLiteral("close")); }

    // A table as one line: the titles, then each row, cells split by "|", rows by "/".
    static QString tableText(const ReportTable& table) {
        QStringList rows, titles;
        for (const ReportColumn& column : table.columns)
            titles << column.title;
        rows << titles.join(QLatin1Char('|'));
        for (const QStringList& row : table.rows)
            rows << row.join(QLatin1Char('|'));
        return rows.join(QLatin1Char('/'));
    }

private:
    bool found(const QString& key) {
        if (m_script.missingKeys.contains(key))
            return false;
        if (m_script.lateKeys.value(key) > 0) {
            --m_script.lateKeys[key];
            return false;
        }
        return true;
    }

    void record(const QString& call) {
        m_script.calls << call;
        if (m_script.onCall)
            m_script.onCall(call);
    }

    EngineScript& m_script;
};

// The call that a row of a report made by makeReport comes to (its scheme drawn as PNG).
inline QString callOf(const ReportRow& row) {
    if (row.ownParagraph && !row.picture &&
        (row.table ? row.table->columns.empty() : row.text.isEmpty()))
        return QStringLiteral("remove ") + row.key;
    if (row.picture)
        return QStringLiteral("picture ") + row.key + QStringLiteral("=png");
    if (row.table)
        return QStringLiteral("table ") + row.key + QLatin1Char('=') +
               RecordingEngine::tableText(*row.table);
    return QStringLiteral("replace ") + row.key + QLatin1Char('=') + row.text;
}

// The engines of a session whose one word processor records on script, and fills ahead where
// told to (then on a thread of its own: script is read once the session has answered).
inline std::vector<EngineRecord> recordingEngines(EngineScript& script, bool fillsAhead = false) {
    return {CursorReportEngine::record(
        QStringLiteral("recording"), nullptr,
        [&script] { return std::make_unique<RecordingEngine>(script); }, fillsAhead)};
}

} // namespace reporttest
