// The dialog of the utilization coefficient of the connecting strip, electrodes along a contour.
#pragma once

#include "dialogs/UtilizationDialog.h"

class TForm5 : public UtilizationDialog {
    Q_OBJECT
public:
    // target: the main window's label that receives the coefficient (Label26).
    TForm5(QLabel* target, const NumberText& numbers, QWidget* parent = nullptr);
};
