// The dialog of the climatic coefficients for vertical and horizontal electrodes.
#include "dialogs/ClimaticDialog.h"

#include "app/NumberText.h"
#include "app/Windows.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

TForm7::TForm7(QLabel* vertical, QLabel* horizontal, const NumberText& numbers, QWidget* parent)
    : ClimaticZoneDialog(
          QStringLiteral("TForm7"),
          QStringLiteral("Выбор климатического коэффициента для вертикальных электродов"), 363,
          QStringLiteral("Климатический коэффициент для вертикальных электродов"), {312, 328},
          parent),
      m_vertical(vertical), m_horizontal(horizontal), m_numbers(numbers) {
    addCaption(this, "Label24", QStringLiteral("Тип применяемых заземляющих электродов"), {8, 288});
    m_type = addList(this, "ComboBox1", itemList(kElectrodeTypeItems), {344, 288}, 385);
}

void TForm7::FormMouseMove() {
    if (!m_type->currentText().isEmpty() && anyZoneSelected())
        m_ok->setEnabled(true);
}

void TForm7::BitBtn1Click() {
    const ClimaticPick::Coefficients c = m_pick.confirm(selectedZones(), pickedPosition(m_type));
    m_vertical->setText(m_numbers.general(c.vertical));
    m_horizontal->setText(m_numbers.general(c.horizontal));
    hide();
}
