// The dialog of the climatic coefficients for vertical and horizontal electrodes.
#pragma once

#include "dialogs/ClimaticPick.h"
#include "dialogs/ClimaticZoneDialog.h"

class NumberText;
class QComboBox;
class QLabel;

class TForm7 : public ClimaticZoneDialog {
    Q_OBJECT
public:
    // vertical, horizontal: the main window's labels that receive the two coefficients (Label29,
    // Label28).
    TForm7(QLabel* vertical, QLabel* horizontal, const NumberText& numbers,
           QWidget* parent = nullptr);

    // Enables OK once a zone is selected and the electrode type holds text; nothing disables it.
    void FormMouseMove() override;
    // Writes the vertical coefficient of the selected zone and picked electrode type and the
    // horizontal one of the zone, falling back on the remembered values, and hides the dialog.
    void BitBtn1Click() override;

    const ClimaticPick& pick() const { return m_pick; }

private:
    QComboBox* m_type; // ComboBox1
    ClimaticPick m_pick;
    QLabel* m_vertical;
    QLabel* m_horizontal;
    const NumberText& m_numbers;
};
