// The design the two climatic coefficient dialogs share: the climatic features of the four zones
// and the panel of zone buttons under them.
#pragma once

#include "dialogs/ReferenceDialog.h"

#include <array>
#include <optional>

class QFrame;
class QRadioButton;

class ClimaticZoneDialog : public ReferenceDialog {
    Q_OBJECT
public:
    // What the dialog remembers of a design.
    using Remembered = ZoneDialogState DesignInputs::*;

    ClimaticZoneDialog(Design& design, Remembered remembered, const QString& name,
                       const QString& title, int clientHeight, const QString& heading, QPoint okAt,
                       QWidget* parent);

protected:
    const ZoneDialogState& remembered() const { return m_design.inputs().*m_remembered; }
    // Which of the zone buttons I to IV are selected.
    std::array<bool, 4> selectedZones() const;
    // The zone button and OK as the design holds them.
    void showDesign() override;
    // The zone loaded and the coefficients remembered after a confirmation, and the display
    // labels that take the coefficients, handed over in one change of the design.
    void handOver(const std::function<void(ZoneDialogState&, WizardState&)>& change);
    // Enables OK when the design holds what the dialog needs.
    void enableOk();

    QFrame* m_panel; // Panel1
    std::array<QRadioButton*, 4> m_zones;

private:
    // The selected zone button, 0 to 3; none when no button is selected.
    std::optional<int> selectedZone() const;
    // Selects the zone button (0 to 3), or none.
    void selectZone(std::optional<int> zone);

    Remembered m_remembered;
};
