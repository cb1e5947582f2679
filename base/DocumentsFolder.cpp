// The folder in which the program's file dialogs begin.
#include "base/DocumentsFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

QString documentsFolder() {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileInfo(documents).isDir() ? documents : QDir::homePath();
}
