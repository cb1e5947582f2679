// The file dialog of the system for saving the scheme.
#include "widgets/SystemSchemeFileDialog.h"

#include <QFileDialog>
#include <QFileInfo>

QString SystemSchemeFileDialog::fileToSave(QWidget* parent, const QString& start) {
    struct Kind {
        QString filter, suffix;
    };
    const Kind kinds[] = {
        {QStringLiteral("Рисунок SVG (*.svg)"), QStringLiteral("svg")},
        {QStringLiteral("Рисунок PNG (*.png)"), QStringLiteral("png")},
        {QStringLiteral("Документ PDF (*.pdf)"), QStringLiteral("pdf")},
    };
    QStringList filters;
    for (const Kind& k : kinds)
        filters << k.filter;
    QFileDialog dialog(parent, QStringLiteral("Сохранить схему"), start);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters(filters);
    const QString suffix = QFileInfo(start).suffix().toLower();
    for (const Kind& k : kinds) {
        if (k.suffix == suffix)
            dialog.selectNameFilter(k.filter);
    }
    // A name typed without an extension takes that of the chosen kind.
    const auto takeSuffix = [&dialog, &kinds](const QString& filter) {
        for (const Kind& k : kinds) {
            if (k.filter == filter)
                dialog.setDefaultSuffix(k.suffix);
        }
    };
    takeSuffix(dialog.selectedNameFilter());
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, takeSuffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().first();
}
