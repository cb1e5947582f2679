#include "widgets/SystemFileDialogs.h"

#include "widgets/FileDialog.h"

#include <QSettings>

namespace {

// A name typed without an extension is a design file.
const std::vector<FileKind> kDesignFiles = {
    {QStringLiteral("Проекты Корвелы (*.korvela)"), QStringLiteral("korvela")}};

} // namespace

SystemFileDialogs::SystemFileDialogs() {
    // The program keeps no settings of its own, so the user's settings of the toolkit are only
    // the dialogs'. A folder that cannot be made: they are read as empty and never written.
    const QString nowhere = QStringLiteral("/dev/null");
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, nowhere);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, nowhere);
}

QString SystemFileDialogs::fileToOpen(QWidget* parent, const QString& start) {
    return askForFile(parent, QStringLiteral("Открыть проект"), start, kDesignFiles,
                      FileQuestion::Open);
}

QString SystemFileDialogs::fileToSave(QWidget* parent, const QString& start) {
    return askForFile(parent, QStringLiteral("Сохранить проект"), start, kDesignFiles,
                      FileQuestion::Save);
}
