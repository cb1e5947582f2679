// The file dialog of the system for exporting the report as a PDF file.
#pragma once

#include "widgets/ReportFileDialog.h"

class SystemReportFileDialog : public ReportFileDialog {
public:
    QString fileToSave(QWidget* parent, const QString& start) override;
};
