// The file dialogs of the system for readings to import and for the plot of the soil measurements.
#pragma once

#include "dialogs/SoilFileDialogs.h"

class SystemSoilFileDialogs : public SoilFileDialogs {
public:
    QString readingsToImport(QWidget* parent) override;
    QString plotToSave(QWidget* parent) override;

private:
    // The folder of the file picked last, where the next dialog begins.
    QString m_folder;
};
