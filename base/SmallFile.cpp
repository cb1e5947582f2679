#include "base/SmallFile.h"

#include <QFile>
#include <QFileInfo>

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
