// The dialog of the climatic coefficient for horizontal electrodes alone.
#include "dialogs/HorizontalClimaticDialog.h"

#include "base/NumberText.h"
#include "tables/HorizontalClimaticPick.h"

#include <QEvent>
#include <QFrame>
#include <QPushButton>

TForm8::TForm8(Design& design, const NumberText& numbers, QWidget* parent)
    : ClimaticZoneDialog(design, &DesignInputs::Form8, QStringLiteral("TForm8"),
                         QStringLiteral("Form8"), 314,
                         QStringLiteral("Климатический коэффициент для горизонтальных электродов"),
                         {312, 280}, parent),
      m_numbers(numbers) {
    // Here only the panel of zone buttons watches the pointer, not the form.
    setMouseTracking(false);
    m_panel->setMouseTracking(true);
    m_panel->installEventFilter(this);
    followDesign();
}

bool TForm8::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_panel && event->type() == QEvent::MouseMove) {
        Panel1MouseMove();
        return true;
    }
    return ClimaticZoneDialog::eventFilter(watched, event);
}

void TForm8::Panel1MouseMove() {
    if (remembered().selectedZone)
        enableOk();
}

void TForm8::BitBtn1Click() {
    HorizontalClimaticPick pick;
    pick.restore(remembered().rememberedZone);
    const double horizontal = pick.confirm(selectedZones());
    handOver([&](ZoneDialogState& state, WizardState& wizard) {
        state.rememberedZone = pick.zone();
        state.horizontal = pick.horizontal();
        wizard.Label28 = m_numbers.general(horizontal);
    });
    hide();
}
