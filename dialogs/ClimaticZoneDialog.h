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
    ClimaticZoneDialog(const QString& name, const QString& title, int clientHeight,
                       const QString& heading, QPoint okAt, QWidget* parent);

    // Which of the zone buttons I to IV are selected.
    std::array<bool, 4> selectedZones() const;
    bool anyZoneSelected() const;
    // The selected zone button, 0 to 3; none when no button is selected.
    std::optional<int> selectedZone() const;
    // Selects the zone button (0 to 3), or none.
    void selectZone(std::optional<int> zone);

protected:
    QFrame* m_panel; // Panel1
    std::array<QRadioButton*, 4> m_zones;
};
