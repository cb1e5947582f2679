// The dialog of the utilization coefficient of the connecting strip, electrodes in a row.
#pragma once

#include "dialogs/UtilizationDialog.h"

class TForm3 : public UtilizationDialog {
    Q_OBJECT
public:
    // Its coefficient goes to the main window's Label26.
    TForm3(Design& design, const NumberText& numbers, QWidget* parent = nullptr);
};
