// Where the engineer saves a file (the report as PDF, the scheme).
#pragma once

#include <QString>

class QWidget;

class SaveFileDialog {
public:
    virtual ~SaveFileDialog() = default;
    // The file to write, or empty when the engineer cancels. start is the folder to begin in or
    // the file to suggest.
    virtual QString fileToSave(QWidget* parent, const QString& start) = 0;
};
