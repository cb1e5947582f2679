// The dialog of the utilization coefficient of vertical electrodes set in a row.
#pragma once

#include "dialogs/UtilizationDialog.h"

class TForm2 : public UtilizationDialog {
    Q_OBJECT
public:
    // target: the main window's label that receives the coefficient (Label16).
    TForm2(QLabel* target, const NumberText& numbers, QWidget* parent = nullptr);
};
