// What the report tests share: the built template, reading and writing a file whole, and a
// progress that shows nothing.
#pragma once

#include "report/ReportProgress.h"

#include <QByteArray>
#include <QFile>
#include <QString>

namespace reporttest {

#ifdef KORVELA_REPORT_TEMPLATE
inline const QString kTemplate = QString::fromUtf8(KORVELA_REPORT_TEMPLATE);
#endif

inline QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Writes bytes as the whole file at path; whether it was written.
inline bool writeAll(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

using ::NoProgress;

} // namespace reporttest
