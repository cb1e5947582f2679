// The dialog of the utilization coefficient of vertical electrodes set in a row.
#pragma once

#include "dialogs/UtilizationDialog.h"

class TForm2 : public UtilizationDialog {
    Q_OBJECT
public:
    // Its coefficient goes to the main window's Label16.
    TForm2(Design& design, const NumberText& numbers, QWidget* parent = nullptr);
};
