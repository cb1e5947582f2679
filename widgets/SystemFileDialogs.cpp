#include "widgets/SystemFileDialogs.h"

#include <QFileDialog>
#include <QSettings>

namespace {

const QString kFilter = QStringLiteral("Проекты Корвелы (*.korvela)");

QString ask(QWidget* parent, const QString& caption, const QString& start,
            QFileDialog::AcceptMode mode) {
    QFileDialog dialog(parent, caption, start, kFilter);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                       : QFileDialog::AnyFile);
    // A name typed without an extension is saved as a design file, and the question whether to
    // replace a file asks about that name.
    dialog.setDefaultSuffix(QStringLiteral("korvela"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().first();
}

} // namespace

SystemFileDialogs::SystemFileDialogs() {
    // The program keeps no settings of its own, so the user's settings of the toolkit are only
    // the dialogs'. A folder that cannot be made: they are read as empty and never written.
    const QString nowhere = QStringLiteral("/dev/null");
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, nowhere);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, nowhere);
}

QString SystemFileDialogs::fileToOpen(QWidget* parent, const QString& start) {
    return ask(parent, QStringLiteral("Открыть проект"), start, QFileDialog::AcceptOpen);
}

QString SystemFileDialogs::fileToSave(QWidget* parent, const QString& start) {
    return ask(parent, QStringLiteral("Сохранить проект"), start, QFileDialog::AcceptSave);
}
