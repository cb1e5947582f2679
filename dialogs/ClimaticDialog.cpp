// The dialog of the climatic coefficients for vertical and horizontal electrodes.
#include "dialogs/ClimaticDialog.h"

#include "base/NumberText.h"
#include "tables/ListItems.h"
#include "widgets/Windows.h"

#include <QComboBox>
#include <QPushButton>

TForm7::TForm7(const NumberText& numbers, QWidget* parent)
    : ClimaticZoneDialog(
          QStringLiteral("TForm7"),
          QStringLiteral("Выбор климатического коэффициента для вертикальных электродов"), 363,
          QStringLiteral("Климатический коэффициент для вертикальных электродов"), {312, 328},
          parent),
      m_numbers(numbers) {
    addCaption(this, "Label24", QStringLiteral("Тип применяемых заземляющих электродов"), {8, 288});
    m_type = addList(this, "ComboBox1", itemList(kElectrodeTypeItems), {344, 288}, 385);
}

void TForm7::FormMouseMove() {
    if (!m_type->currentText().isEmpty() && anyZoneSelected())
        m_ok->setEnabled(true);
}

void TForm7::BitBtn1Click() {
    const ClimaticPick::Coefficients c = m_pick.confirm(selectedZones(), pickedPosition(m_type));
    emit coefficientsChosen(m_numbers.general(c.vertical), m_numbers.general(c.horizontal));
    hide();
}

ZoneDialogState TForm7::dialogState() const {
    ZoneDialogState state;
    state.selectedZone = selectedZone();
    state.typeText = m_type->currentText();
    state.rememberedZone = m_pick.zone();
    state.vertical = m_pick.vertical();
    state.horizontal = m_pick.current().horizontal;
    state.okEnabled = m_ok->isEnabled();
    return state;
}

void TForm7::restoreDialogState(const ZoneDialogState& state) {
    selectZone(state.selectedZone);
    showText(m_type, state.typeText);
    m_pick.restore(state.rememberedZone, state.vertical);
    if (state.okEnabled)
        m_ok->setEnabled(true);
}
