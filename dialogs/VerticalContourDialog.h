// The dialog of the utilization coefficient of vertical electrodes along a contour.
#pragma once

#include "dialogs/UtilizationDialog.h"

class TForm4 : public UtilizationDialog {
    Q_OBJECT
public:
    // Its coefficient goes to the main window's Label16.
    TForm4(Design& design, const NumberText& numbers, QWidget* parent = nullptr);
};
