// The design of the four utilization coefficient dialogs: ratio and number of electrodes give
// the coefficient from the dialog's table.
#pragma once

#include "dialogs/TwoListDialog.h"
#include "tables/UtilizationTable.h"

class NumberText;

class UtilizationDialog : public TwoListDialog {
    Q_OBJECT
public:
    UtilizationDialog(const QString& name, const QString& title, const QString& heading,
                      const QString& numberCaption, int listLeft, const UtilizationTable& table,
                      Design& design, Remembered remembered, Target target,
                      const NumberText& numbers, QWidget* parent);

    // Hands out the coefficient of the picked ratio and number of electrodes, falling back on
    // the remembered row and coefficient, and hides the dialog.
    void BitBtn1Click() override;

private:
    const UtilizationTable& m_table;
    const NumberText& m_numbers;
};
