// A whole file that is never large (a design, a table of readings, a saved picture), read or
// written at once: either done or why not.
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

    // Puts bytes at path in place of what is there, only once all of them are written; empty when
    // done, else the reason (the file at path is then as it was).
    static QString write(const QString& path, const QByteArray& bytes);
};
