// The file dialog of the system for saving the scheme.
#include "widgets/SystemSchemeFileDialog.h"

#include "widgets/FileDialog.h"

QString SystemSchemeFileDialog::fileToSave(QWidget* parent, const QString& start) {
    return askForFile(parent, QStringLiteral("Сохранить схему"), start,
                      {{QStringLiteral("Рисунок SVG (*.svg)"), QStringLiteral("svg")},
                       {QStringLiteral("Рисунок PNG (*.png)"), QStringLiteral("png")},
                       {QStringLiteral("Документ PDF (*.pdf)"), QStringLiteral("pdf")}},
                      FileQuestion::Save);
}
