#include "widgets/FileDialog.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QSettings>

void keepFileDialogSettingsNowhere() {
    // The program keeps no settings of its own, so the user's settings of the toolkit are only
    // the dialogs'. A folder that cannot be made: they are read as empty and never written.
    const QString nowhere = QStringLiteral("/dev/null");
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, nowhere);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, nowhere);
}

QString askForFile(QWidget* parent, const QString& caption, const QString& start,
                   const std::vector<FileKind>& kinds, FileQuestion question,
                   std::size_t* chosenKind) {
    QStringList filters;
    for (const FileKind& k : kinds)
        filters << k.filter;
    QFileDialog dialog(parent, caption, start);
    const bool save = question == FileQuestion::Save;
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setNameFilters(filters);
    const QString suffix = QFileInfo(start).suffix().toLower();
    for (const FileKind& k : kinds) {
        if (!suffix.isEmpty() && k.suffix == suffix) {
            dialog.selectNameFilter(k.filter);
            break;
        }
    }
    // A name typed without an extension takes that of the chosen kind, and the question whether
    // to replace a file asks about that name.
    const auto takeSuffix = [&dialog, &kinds](const QString& filter) {
        for (const FileKind& k : kinds) {
            if (k.filter == filter && !k.suffix.isEmpty())
                dialog.setDefaultSuffix(k.suffix);
        }
    };
    takeSuffix(dialog.selectedNameFilter());
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, takeSuffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    if (chosenKind) {
        *chosenKind = 0;
        for (std::size_t i = 0; i < kinds.size(); ++i) {
            if (kinds[i].filter == dialog.selectedNameFilter())
                *chosenKind = i;
        }
    }
    return dialog.selectedFiles().first();
}
