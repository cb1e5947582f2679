// Reading a whole file that is never large (a design, a table of readings): either its bytes or
// why they could not be read.
#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

struct SmallFile {
    QByteArray bytes;
    QString failure; // empty when the bytes were read

    // The file at path, refused when it is missing, no regular file, unreadable or larger than
    // limit bytes (the reason then says that `what` is never larger, e.g. "файл проекта").
    static SmallFile read(const QString& path, qint64 limit, const QString& what);
};
