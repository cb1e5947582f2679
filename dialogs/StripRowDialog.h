// The dialog of the utilization coefficient of the connecting strip, electrodes in a row.
#pragma once

#include "dialogs/UtilizationDialog.h"

class TForm3 : public UtilizationDialog {
    Q_OBJECT
public:
    // target: the main window's label that receives the coefficient (Label26).
    TForm3(QLabel* target, const NumberText& numbers, QWidget* parent = nullptr);
};
