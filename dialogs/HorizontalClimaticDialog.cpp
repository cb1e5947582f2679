// The dialog of the climatic coefficient for horizontal electrodes alone.
#include "dialogs/HorizontalClimaticDialog.h"

#include "base/NumberText.h"

#include <QEvent>
#include <QFrame>
#include <QPushButton>

TForm8::TForm8(const NumberText& numbers, QWidget* parent)
    : ClimaticZoneDialog(QStringLiteral("TForm8"), QStringLiteral("Form8"), 314,
                         QStringLiteral("Климатический коэффициент для горизонтальных электродов"),
                         {312, 280}, parent),
      m_numbers(numbers) {
    // Here only the panel of zone buttons watches the pointer, not the form.
    setMouseTracking(false);
    m_panel->setMouseTracking(true);
    m_panel->installEventFilter(this);
}

bool TForm8::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_panel && event->type() == QEvent::MouseMove) {
        Panel1MouseMove();
        return true;
    }
    return ClimaticZoneDialog::eventFilter(watched, event);
}

void TForm8::Panel1MouseMove() {
    if (anyZoneSelected())
        m_ok->setEnabled(true);
}

void TForm8::BitBtn1Click() {
    emit valueChosen(m_numbers.general(m_pick.confirm(selectedZones())));
    hide();
}

ZoneDialogState TForm8::dialogState() const {
    ZoneDialogState state;
    state.selectedZone = selectedZone();
    state.rememberedZone = m_pick.zone();
    state.horizontal = m_pick.horizontal();
    state.okEnabled = m_ok->isEnabled();
    return state;
}

void TForm8::restoreDialogState(const ZoneDialogState& state) {
    selectZone(state.selectedZone);
    m_pick.restore(state.rememberedZone);
    if (state.okEnabled)
        m_ok->setEnabled(true);
}
