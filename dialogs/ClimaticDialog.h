// The dialog of the climatic coefficients for vertical and horizontal electrodes.
#pragma once

#include "dialogs/ClimaticZoneDialog.h"

class NumberText;
class QComboBox;

class TForm7 : public ClimaticZoneDialog {
    Q_OBJECT
public:
    // Its two coefficients go to the main window's Label29 and Label28.
    TForm7(Design& design, const NumberText& numbers, QWidget* parent = nullptr);

    // Enables OK once a zone is selected and the electrode type holds text; nothing disables it.
    void FormMouseMove() override;
    // Hands out the vertical coefficient of the selected zone and picked electrode type and the
    // horizontal one of the zone, falling back on the remembered values, and hides the dialog.
    void BitBtn1Click() override;

protected:
    void showDesign() override;

private:
    QComboBox* m_type; // ComboBox1
    const NumberText& m_numbers;
};
