// The file dialogs of the system for readings to import and for the plot of the soil measurements.
#include "dialogs/SystemSoilFileDialogs.h"

#include <QFileDialog>
#include <QFileInfo>

namespace {

const QString kReadingsFilter = QStringLiteral("Таблицы CSV (*.csv);;Текст (*.txt);;Все файлы (*)");
const QString kPngFilter = QStringLiteral("Рисунок PNG (*.png)");
const QString kSvgFilter = QStringLiteral("Рисунок SVG (*.svg)");

} // namespace

QString SystemSoilFileDialogs::readingsToImport(QWidget* parent) {
    QFileDialog dialog(parent, QStringLiteral("Импорт замеров"), m_folder, kReadingsFilter);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    const QString path = dialog.selectedFiles().first();
    m_folder = QFileInfo(path).absolutePath();
    return path;
}

QString SystemSoilFileDialogs::plotToSave(QWidget* parent) {
    QFileDialog dialog(parent, QStringLiteral("Сохранить график"), m_folder,
                       kPngFilter + QStringLiteral(";;") + kSvgFilter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    // A name typed without an extension gets the one of the picked filter.
    dialog.setDefaultSuffix(QStringLiteral("png"));
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString& f) {
        dialog.setDefaultSuffix(f == kSvgFilter ? QStringLiteral("svg") : QStringLiteral("png"));
    });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    const QString path = dialog.selectedFiles().first();
    m_folder = QFileInfo(path).absolutePath();
    return path;
}
