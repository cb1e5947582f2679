#include "widgets/SystemFileDialogs.h"

#include "widgets/FileDialog.h"

namespace {

// A name typed without an extension is a design file.
const std::vector<FileKind> kDesignFiles = {
    {QStringLiteral("Проекты Корвелы (*.korvela)"), QStringLiteral("korvela")}};

} // namespace

QString SystemFileDialogs::fileToOpen(QWidget* parent, const QString& start) {
    return askForFile(parent, QStringLiteral("Открыть проект"), start, kDesignFiles,
                      FileQuestion::Open);
}

QString SystemFileDialogs::fileToSave(QWidget* parent, const QString& start) {
    return askForFile(parent, QStringLiteral("Сохранить проект"), start, kDesignFiles,
                      FileQuestion::Save);
}
