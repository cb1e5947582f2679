#include "report/ReportFlow.h"

#include "base/Errors.h"
#include "base/ProgramFacts.h"
#include "note/NoteScheme.h"
#include "note/ReportRows.h"
#include "report/NoteFilesEngine.h"
#include "report/NotePdf.h"
#include "report/ReportSession.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>

namespace {

QString notWritten(const QString& file, const QString& reason) {
    return kNotWrittenMessage + file + QStringLiteral(" (") + reason + QLatin1Char(')');
}

// The note's rows, its scheme drawn with the thicknesses given.
std::vector<ReportRow> noteRows(const DesignState& state, const NumberText& numbers,
                                const SteelThickness& thickness, const ProjectData& project) {
    return reportRows(state, numbers, thickness, noteScheme(state, thickness, numbers), project);
}

} // namespace

QString reportTemplatePath(const QString& programDir) {
    const QString beside = programDir + QStringLiteral("/отчёт/otchet.rtf");
    const QString installed = programDir + QLatin1Char('/') + kDataFolderFromProgram +
                              QStringLiteral("/отчёт/otchet.rtf");
    if (!QFileInfo::exists(beside) && QFileInfo::exists(installed))
        return QFileInfo(installed).absoluteFilePath();
    return beside;
}

void makeReport(ReportSession& session, const DesignState& state, const NumberText& numbers,
                const QString& templatePath, ReportProgress& progress, MessageSink& sink,
                const SteelThickness& thickness, const ProjectData& project) {
    progress.open();
    if (!session.start()) {
        progress.close();
        throw UserError(kEngineFailedMessage);
    }
    QStringList skipped;
    if (!session.fill(templatePath, noteRows(state, numbers, thickness, project), progress,
                      skipped)) {
        progress.close();
        throw UserError(kTemplateFailedMessage + templatePath);
    }

    const bool shown = session.show();
    progress.close();
    if (!shown) {
        const ReportSession::Failure failure = session.lastFailure();
        switch (failure.kind) {
        case EngineFailure::Kind::NotWritten:
            throw UserError(notWritten(failure.file, failure.reason));
        case EngineFailure::Kind::NotShown:
            sink.showMessage(kSavedMessage + failure.file);
            break;
        case EngineFailure::Kind::Other:
            throw UserError(kShowFailedMessage);
        }
    }
    if (!skipped.isEmpty())
        sink.showMessage(kKeysMissingMessage + skipped.join(QStringLiteral(", ")));
}

void fillReportAhead(ReportSession& session, const DesignState& state, const NumberText& numbers,
                     const QString& templatePath, const SteelThickness& thickness,
                     const ProjectData& project) {
    session.fillAhead(templatePath, [state, numbers, thickness, project] {
        return noteRows(state, numbers, thickness, project);
    });
}

void exportReportPdf(const DesignState& state, const NumberText& numbers,
                     const QString& templatePath, const QString& fileName, MessageSink& sink,
                     const SteelThickness& thickness, const ProjectData& project) {
    // Filled, never shown: the engine's folder and opener are not used.
    NoteFilesEngine note({}, nullptr);
    NoProgress progress;
    QStringList skipped;
    try {
        note.start();
        skipped = note.fill(templatePath, noteRows(state, numbers, thickness, project), progress);
    } catch (const std::exception&) {
        throw UserError(kTemplateFailedMessage + templatePath);
    }
    try {
        NotePdf(note.filledRtf()).save(fileName);
    } catch (const EngineFailure& e) {
        throw UserError(notWritten(e.file(), e.reason()));
    } catch (const std::exception& e) {
        throw UserError(notWritten(QDir::cleanPath(QFileInfo(fileName).absoluteFilePath()),
                                   QString::fromUtf8(e.what())));
    }
    if (!skipped.isEmpty())
        sink.showMessage(kKeysMissingMessage + skipped.join(QStringLiteral(", ")));
}
