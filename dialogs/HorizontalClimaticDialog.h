// The dialog of the climatic coefficient for horizontal electrodes alone.
#pragma once

#include "dialogs/ClimaticZoneDialog.h"
#include "dialogs/HorizontalClimaticPick.h"

class NumberText;
class QLabel;

class TForm8 : public ClimaticZoneDialog {
    Q_OBJECT
public:
    // target: the main window's label that receives the coefficient (Label28).
    TForm8(QLabel* target, const NumberText& numbers, QWidget* parent = nullptr);

    // The pointer moved over the free surface of the zone panel: enables OK once a zone is
    // selected; nothing disables it again.
    void Panel1MouseMove();
    // Writes the horizontal coefficient of the selected zone, falling back on the remembered
    // one, and hides the dialog.
    void BitBtn1Click() override;

    const HorizontalClimaticPick& pick() const { return m_pick; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    HorizontalClimaticPick m_pick;
    QLabel* m_target;
    const NumberText& m_numbers;
};
