// The dialog of the utilization coefficient of vertical electrodes along a contour.
#pragma once

#include "dialogs/UtilizationDialog.h"

class TForm4 : public UtilizationDialog {
    Q_OBJECT
public:
    // target: the main window's label that receives the coefficient (Label16).
    TForm4(QLabel* target, const NumberText& numbers, QWidget* parent = nullptr);
};
