// The names of the report's files in the documents folder.
#pragma once

#include <QString>
#include <functional>

class QDir;

// The stem of the report's files, "Отчёт <date> <time>" of now, or with " (2)", " (3)" and so on:
// the first for which taken(stem) is false. Throws EngineFailure (not written, naming the first
// name in folder with extension) when a thousand of them are taken.
QString freeReportStem(const QDir& folder, const QString& extension,
                       const std::function<bool(const QString& stem)>& taken);
