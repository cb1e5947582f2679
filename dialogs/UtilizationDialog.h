// The design of the four utilization coefficient dialogs: ratio and number of electrodes give
// the coefficient from the dialog's table.
#pragma once

#include "dialogs/RememberedPick.h"
#include "dialogs/TwoListDialog.h"
#include "dialogs/UtilizationTable.h"

class NumberText;
class QLabel;

class UtilizationDialog : public TwoListDialog {
    Q_OBJECT
public:
    // target: the main window's label that receives the coefficient.
    UtilizationDialog(const QString& name, const QString& title, const QString& heading,
                      const QString& numberCaption, int listLeft, const UtilizationTable& table,
                      QLabel* target, const NumberText& numbers, QWidget* parent);

    // Writes the coefficient of the picked ratio and number of electrodes, falling back on the
    // remembered row and coefficient, into the target label and hides the dialog.
    void BitBtn1Click() override;

    const RememberedPick<double>& pick() const { return m_pick; }

private:
    RememberedPick<double> m_pick;
    QLabel* m_target;
    const NumberText& m_numbers;
};
