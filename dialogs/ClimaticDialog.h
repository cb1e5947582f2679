// The dialog of the climatic coefficients for vertical and horizontal electrodes.
#pragma once

#include "design/DesignSnapshot.h"
#include "dialogs/ClimaticZoneDialog.h"
#include "tables/ClimaticPick.h"

class NumberText;
class QComboBox;

class TForm7 : public ClimaticZoneDialog {
    Q_OBJECT
public:
    // Its two coefficients go to the main window's Label29 and Label28.
    TForm7(const NumberText& numbers, QWidget* parent = nullptr);

    // Enables OK once a zone is selected and the electrode type holds text; nothing disables it.
    void FormMouseMove() override;
    // Hands out the vertical coefficient of the selected zone and picked electrode type and the
    // horizontal one of the zone, falling back on the remembered values, and hides the dialog.
    void BitBtn1Click() override;

    const ClimaticPick& pick() const { return m_pick; }

    // The zone button, the electrode type, the loaded zone with the remembered coefficients and
    // OK, and back. Restoring takes the horizontal coefficient from the loaded zone, and only
    // ever enables OK.
    ZoneDialogState dialogState() const;
    void restoreDialogState(const ZoneDialogState& state);

signals:
    // OK handed out the two coefficients, as the texts that the main window shows.
    void coefficientsChosen(const QString& vertical, const QString& horizontal);

private:
    QComboBox* m_type; // ComboBox1
    ClimaticPick m_pick;
    const NumberText& m_numbers;
};
