#include "report/ReportFlow.h"

#include "base/Errors.h"
#include "base/ProgramFacts.h"
#include "report/ReportRows.h"
#include "report/WordAdapter.h"

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

void makeReport(const DesignState& state, const NumberText& numbers, const QString& templatePath,
                ReportProgress& progress, MessageSink& sink) {
    progress.open();
    if (!WordCreate()) {
        progress.close();
        throw UserError(kEngineFailedMessage);
    }
    WordSetVisible(false);
    if (!WordOpenDocument(templatePath)) {
        progress.close();
        throw UserError(kTemplateFailedMessage + templatePath);
    }

    QStringList skipped;
    for (const ReportRow& row : reportRows(state, numbers)) {
        WordGoToStart();
        bool replaced = false;
        for (int attempt = 0; attempt < kReplaceAttempts && !replaced; ++attempt)
            replaced = WordFindReplace(row.key, row.text);
        if (!replaced)
            skipped << row.key;
        if (row.step != 0)
            progress.advance(row.step);
    }

    const bool shown = WordSetVisible(true);
    progress.close();
    if (!shown) {
        const WordFailure failure = WordApp.lastFailure;
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
