// The file dialogs of the system for readings to import and for the plot of the soil measurements.
#include "dialogs/SystemSoilFileDialogs.h"

#include "widgets/FileDialog.h"

#include <QFileInfo>

QString SystemSoilFileDialogs::readingsToImport(QWidget* parent) {
    const QString path = askForFile(parent, QStringLiteral("Импорт замеров"), m_folder,
                                    {{QStringLiteral("Таблицы CSV (*.csv)"), QString()},
                                     {QStringLiteral("Текст (*.txt)"), QString()},
                                     {QStringLiteral("Все файлы (*)"), QString()}},
                                    FileQuestion::Open);
    if (!path.isEmpty())
        m_folder = QFileInfo(path).absolutePath();
    return path;
}

QString SystemSoilFileDialogs::plotToSave(QWidget* parent) {
    const QString path =
        askForFile(parent, QStringLiteral("Сохранить график"), m_folder,
                   {{QStringLiteral("Рисунок PNG (*.png)"), QStringLiteral("png")},
                    {QStringLiteral("Рисунок SVG (*.svg)"), QStringLiteral("svg")}},
                   FileQuestion::Save);
    if (!path.isEmpty())
        m_folder = QFileInfo(path).absolutePath();
    return path;
}
