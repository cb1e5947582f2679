// The report engines of the program, in the order they are tried.
#include "report/EngineChoice.h"

#include "report/CursorReportEngine.h"
#include "report/NoteFilesEngine.h"

#ifdef KORVELA_WITH_WRITER
#include "report/WriterEngine.h"
#include "report/WriterOffice.h"
#endif

#include <memory>
#include <utility>

std::vector<EngineRecord> standardEngines(const QString& outputDir, FileOpener opener) {
    std::vector<EngineRecord> engines;
#ifdef KORVELA_WITH_WRITER
    // The one Writer instance of this session, shared by the engines made here.
    auto office = std::make_shared<WriterOffice>(WriterOffice::Options{});
    engines.push_back(CursorReportEngine::record(
        QStringLiteral("LibreOffice Writer"), [] { return !WriterOffice::sofficePath().isEmpty(); },
        [office] { return std::make_unique<WriterEngine>(office); }, true));
#endif
    engines.push_back(NoteFilesEngine::record(outputDir, std::move(opener)));
    return engines;
}
