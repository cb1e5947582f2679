// The dialog of the climatic coefficient for horizontal electrodes alone.
#pragma once

#include "design/DesignSnapshot.h"
#include "dialogs/ClimaticZoneDialog.h"
#include "tables/HorizontalClimaticPick.h"

class NumberText;

class TForm8 : public ClimaticZoneDialog {
    Q_OBJECT
public:
    // Its coefficient goes to the main window's Label28.
    TForm8(const NumberText& numbers, QWidget* parent = nullptr);

    // The pointer moved over the free surface of the zone panel: enables OK once a zone is
    // selected; nothing disables it again.
    void Panel1MouseMove();
    // Hands out the horizontal coefficient of the selected zone, falling back on the remembered
    // one, and hides the dialog.
    void BitBtn1Click() override;

    const HorizontalClimaticPick& pick() const { return m_pick; }

    // The zone button, the loaded zone with its coefficient and OK, and back. Restoring takes
    // the coefficient from the loaded zone, and only ever enables OK.
    ZoneDialogState dialogState() const;
    void restoreDialogState(const ZoneDialogState& state);

signals:
    // OK handed out the coefficient, as the text that the main window shows.
    void valueChosen(const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    HorizontalClimaticPick m_pick;
    const NumberText& m_numbers;
};
