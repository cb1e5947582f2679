// What the report tests share: the built template, reading a file whole, and a progress that
// shows nothing.
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

using ::NoProgress;

} // namespace reporttest
