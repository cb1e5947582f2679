#include "report/ReportFileName.h"

#include "report/EngineFailure.h"

#include <QDateTime>
#include <QDir>

QString freeReportStem(const QDir& folder, const QString& extension,
                       const std::function<bool(const QString& stem)>& taken) {
    const QString first = QStringLiteral("Отчёт ") + QDateTime::currentDateTime().toString(
                                                         QStringLiteral("yyyy-MM-dd HH-mm-ss"));
    for (int n = 1; n < 1000; ++n) {
        const QString stem = n == 1 ? first : first + QStringLiteral(" (%1)").arg(n);
        if (!taken(stem))
            return stem;
    }
    throw EngineFailure(EngineFailure::Kind::NotWritten,
                        QStringLiteral("every file name of this minute is taken"),
                        QDir::cleanPath(folder.absoluteFilePath(first + extension)));
}
