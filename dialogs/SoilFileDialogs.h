// Where the engineer picks a CSV file of Wenner readings to import, and a file to save the plot
// of the soil measurements to.
#pragma once

#include <QString>

class QWidget;

class SoilFileDialogs {
public:
    virtual ~SoilFileDialogs() = default;
    // The CSV file to import, or empty when the engineer cancels.
    virtual QString readingsToImport(QWidget* parent) = 0;
    // The PNG or SVG file to save the plot to, or empty when the engineer cancels.
    virtual QString plotToSave(QWidget* parent) = 0;
};
