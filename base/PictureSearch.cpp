#include "base/PictureSearch.h"

#include "base/ProgramFacts.h"

#include <QDir>
#include <QFileInfo>

QStringList pictureFolders(const QString& currentFolder, const QString& programFolder) {
    const QDir program(programFolder);
    return {QDir::cleanPath(currentFolder), QDir::cleanPath(programFolder),
            QDir::cleanPath(program.filePath(kDataFolderFromProgram))};
}

QString findPicture(const QString& relativePath, const QStringList& folders) {
    for (const QString& folder : folders) {
        const QFileInfo file(QDir(folder).filePath(relativePath));
        if (file.isFile())
            return file.absoluteFilePath();
    }
    if (folders.isEmpty())
        return QFileInfo(relativePath).absoluteFilePath();
    return QFileInfo(QDir(folders.front()).filePath(relativePath)).absoluteFilePath();
}
