#include "base/SmallFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

SmallFile SmallFile::read(const QString& path, qint64 limit, const QString& what) {
    const auto failed = [](const QString& reason) { return SmallFile{{}, reason}; };
    const auto tooLarge = [&](qint64 size) {
        return failed(QStringLiteral("файл слишком велик (%1 байт): %2 не бывает больше %3 МиБ")
                          .arg(size)
                          .arg(what)
                          .arg(limit / (1024 * 1024)));
    };
    const QFileInfo info(path);
    if (!info.exists())
        return failed(QStringLiteral("файл не найден"));
    if (!info.isFile())
        return failed(QStringLiteral("это не файл"));
    if (info.size() > limit)
        return tooLarge(info.size());
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return failed(QStringLiteral("файл не читается (%1)").arg(file.errorString()));
    // The file may have grown since it was measured.
    QByteArray bytes = file.read(limit + 1);
    if (file.error() != QFileDevice::NoError)
        return failed(QStringLiteral("файл не читается (%1)").arg(file.errorString()));
    if (bytes.size() > limit)
        return tooLarge(bytes.size());
    return {std::move(bytes), {}};
}

QString SmallFile::write(const QString& path, const QByteArray& bytes) {
    // Unbuffered, so that a write cut short (a full disk, a size limit) shows here, where the
    // rest can be tried to learn the system's reason; a buffered write cut short when the buffer
    // is flushed by commit() may go unreported and put a truncated file in place of the old one.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return file.errorString();
    qint64 written = 0;
    while (written < bytes.size()) {
        const qint64 n = file.write(bytes.constData() + written, bytes.size() - written);
        if (n <= 0) {
            const QString reason = file.errorString();
            file.cancelWriting();
            return reason;
        }
        written += n;
    }
    if (file.size() != bytes.size()) {
        file.cancelWriting();
        return QStringLiteral("файл записан не полностью");
    }
    if (!file.commit())
        return file.errorString();
    return {};
}
