// The file dialog of the system for exporting the report as a PDF file.
#include "widgets/SystemReportFileDialog.h"

#include <QFileDialog>

QString SystemReportFileDialog::fileToSave(QWidget* parent, const QString& start) {
    QFileDialog dialog(parent, QStringLiteral("Экспорт отчёта в PDF"), start,
                       QStringLiteral("Документ PDF (*.pdf)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    // A name typed without an extension is saved as a PDF, and the question whether to replace
    // a file asks about that name.
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().first();
}
