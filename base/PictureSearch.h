// Where the pictures of the electrode shapes are looked for.
#pragma once

#include <QString>
#include <QStringList>

// The folders searched, in order: the current folder, the program's own folder, and the
// installed data folder beside the program's folder ("../share/korvela" for the usual layout).
QStringList pictureFolders(const QString& currentFolder, const QString& programFolder);

// The full path of the first file relativePath found under folders, in their order. When no
// folder holds it, the path under the first folder, so that the failure names that place.
QString findPicture(const QString& relativePath, const QStringList& folders);
