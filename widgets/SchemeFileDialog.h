// Where the engineer saves the scheme of the earthing device.
#pragma once

#include <QString>

class QWidget;

class SchemeFileDialog {
public:
    virtual ~SchemeFileDialog() = default;
    // The file to save the scheme to, its extension naming the format (svg, png or pdf), or
    // empty when the engineer cancels. start is the file to suggest.
    virtual QString fileToSave(QWidget* parent, const QString& start) = 0;
};
