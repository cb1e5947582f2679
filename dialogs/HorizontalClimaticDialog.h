// The dialog of the climatic coefficient for horizontal electrodes alone.
#pragma once

#include "dialogs/ClimaticZoneDialog.h"

class NumberText;

class TForm8 : public ClimaticZoneDialog {
    Q_OBJECT
public:
    // Its coefficient goes to the main window's Label28.
    TForm8(Design& design, const NumberText& numbers, QWidget* parent = nullptr);

    // The pointer moved over the free surface of the zone panel: enables OK once a zone is
    // selected; nothing disables it again.
    void Panel1MouseMove();
    // Hands out the horizontal coefficient of the selected zone, falling back on the remembered
    // one, and hides the dialog.
    void BitBtn1Click() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    const NumberText& m_numbers;
};
