#include "report/ReportFlow.h"

#include "base/Errors.h"
#include "base/ProgramFacts.h"
#include "report/NoteScheme.h"
#include "report/ReportRows.h"
#include "report/ReportSession.h"

#include <QFileInfo>
#include <QStringList>

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
                const SteelThickness& thickness) {
    progress.open();
    if (!session.start()) {
        progress.close();
        throw UserError(kEngineFailedMessage);
    }
    QStringList skipped;
    const std::vector<ReportRow> rows =
        reportRows(state, numbers, thickness, noteScheme(state, thickness, numbers));
    if (!session.fill(templatePath, rows, progress, skipped)) {
        progress.close();
        throw UserError(kTemplateFailedMessage + templatePath);
    }

    const bool shown = session.show();
    progress.close();
    if (!shown) {
        const ReportSession::Failure failure = session.lastFailure();
        switch (failure.kind) {
        case EngineFailure::Kind::NotWritten:
            throw UserError(kNotWrittenMessage + failure.file + QStringLiteral(" (") +
                            failure.reason + QLatin1Char(')'));
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
