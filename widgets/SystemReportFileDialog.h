// The file dialog of the system for exporting the report as a PDF file.
#pragma once

#include "widgets/SaveFileDialog.h"

class SystemReportFileDialog : public SaveFileDialog {
public:
    QString fileToSave(QWidget* parent, const QString& start) override;
};
