// The dialog of the utilization coefficient of the connecting strip, electrodes along a contour.
#pragma once

#include "dialogs/UtilizationDialog.h"

class TForm5 : public UtilizationDialog {
    Q_OBJECT
public:
    // Its coefficient goes to the main window's Label26.
    TForm5(Design& design, const NumberText& numbers, QWidget* parent = nullptr);
};
