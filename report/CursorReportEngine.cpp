// A word processor as a report engine.
#include "report/CursorReportEngine.h"

#include <utility>

namespace {

// Runs a call whose failure the report does not look at; a failure answers false.
template <class Call> bool quietly(Call&& call) {
    try {
        return call();
    } catch (...) {
        return false;
    }
}

} // namespace

CursorReportEngine::CursorReportEngine(std::unique_ptr<DocumentEngine> cursor)
    : m_cursor(std::move(cursor)) {}

EngineRecord CursorReportEngine::record(const QString& name, std::function<bool()> available,
                                        CursorMaker makeCursor, bool fillsAhead) {
    return {name, std::move(available),
            [makeCursor = std::move(makeCursor)] {
                return std::make_unique<CursorReportEngine>(makeCursor());
            },
            fillsAhead};
}

void CursorReportEngine::start() {
    m_cursor->create();
}

QStringList CursorReportEngine::fill(const QString& templatePath,
                                     const std::vector<ReportRow>& rows, ReportProgress& progress) {
    // Hidden while the document is filled.
    quietly([&] {
        m_cursor->setVisible(false);
        return true;
    });
    m_cursor->openDocument(templatePath);

    QStringList notFound;
    for (const ReportRow& row : rows) {
        // From the start, so that the search covers the whole document.
        quietly([&] {
            m_cursor->goToStart();
            return true;
        });
        bool replaced = false;
        for (int attempt = 0; attempt < kReplaceAttempts && !replaced; ++attempt)
            replaced = quietly([&] { return replace(row); });
        if (!replaced && !row.optional)
            notFound << row.key;
        if (row.step != 0)
            progress.advance(row.step);
    }
    return notFound;
}

bool CursorReportEngine::replace(const ReportRow& row) {
    const bool empty = row.table ? row.table->columns.empty()
                                 : (row.picture ? row.picture->png.isEmpty() : row.text.isEmpty());
    if (row.ownParagraph && empty)
        return m_cursor->removeParagraph(row.key);
    if (row.picture)
        return m_cursor->replaceWithPicture(row.key, *row.picture);
    if (row.table)
        return m_cursor->replaceWithTable(row.key, *row.table);
    return m_cursor->findReplace(row.key, row.text);
}

void CursorReportEngine::show() {
    m_cursor->setVisible(true);
}

bool CursorReportEngine::filledDocumentOpen() {
    return m_cursor->documentOpen();
}

void CursorReportEngine::discard() {
    m_cursor->closeDocument();
}
