// Where the engineer picks a design file to open or to save to.
#pragma once

#include <QString>

class QWidget;

class DesignFileDialogs {
public:
    virtual ~DesignFileDialogs() = default;
    // The file to open, or empty when the engineer cancels. start is a folder to begin in.
    virtual QString fileToOpen(QWidget* parent, const QString& start) = 0;
    // The file to save to, or empty when the engineer cancels. start is a folder to begin in, or
    // the file that the design has.
    virtual QString fileToSave(QWidget* parent, const QString& start) = 0;
};
