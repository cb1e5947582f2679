// The file dialog of the system for exporting the report as a PDF file.
#include "widgets/SystemReportFileDialog.h"

#include "widgets/FileDialog.h"

QString SystemReportFileDialog::fileToSave(QWidget* parent, const QString& start) {
    return askForFile(parent, QStringLiteral("Экспорт отчёта в PDF"), start,
                      {{QStringLiteral("Документ PDF (*.pdf)"), QStringLiteral("pdf")}},
                      FileQuestion::Save);
}
