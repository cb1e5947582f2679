// Where the engineer saves the report as a PDF file.
#pragma once

#include <QString>

class QWidget;

class ReportFileDialog {
public:
    virtual ~ReportFileDialog() = default;
    // The PDF file to write the report to, or empty when the engineer cancels. start is the
    // folder to begin in.
    virtual QString fileToSave(QWidget* parent, const QString& start) = 0;
};
