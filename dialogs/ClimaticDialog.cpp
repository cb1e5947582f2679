// The dialog of the climatic coefficients for vertical and horizontal electrodes.
#include "dialogs/ClimaticDialog.h"

#include "base/NumberText.h"
#include "tables/ClimaticPick.h"
#include "tables/ListItems.h"
#include "widgets/Windows.h"

#include <QComboBox>
#include <QPushButton>

TForm7::TForm7(Design& design, const NumberText& numbers, QWidget* parent)
    : ClimaticZoneDialog(
          design, &DesignInputs::Form7, QStringLiteral("TForm7"),
          QStringLiteral("Выбор климатического коэффициента для вертикальных электродов"), 363,
          QStringLiteral("Климатический коэффициент для вертикальных электродов"), {312, 328},
          parent),
      m_numbers(numbers) {
    addCaption(this, "Label24", QStringLiteral("Тип применяемых заземляющих электродов"), {8, 288});
    m_type = addList(this, "ComboBox1", itemList(kElectrodeTypeItems), {344, 288}, 385);
    connect(m_type, &QComboBox::currentTextChanged, this, [this](const QString& text) {
        editDesign([&](DesignInputs& d) { d.Form7.typeText = text; });
    });
    followDesign();
}

void TForm7::showDesign() {
    ClimaticZoneDialog::showDesign();
    if (m_type->currentText() != remembered().typeText)
        showText(m_type, remembered().typeText);
}

void TForm7::FormMouseMove() {
    if (!remembered().typeText.isEmpty() && remembered().selectedZone)
        enableOk();
}

void TForm7::BitBtn1Click() {
    ClimaticPick pick;
    pick.restore(remembered().rememberedZone, remembered().vertical);
    const ClimaticPick::Coefficients c = pick.confirm(selectedZones(), pickedPosition(m_type));
    handOver([&](ZoneDialogState& state, WizardState& wizard) {
        state.rememberedZone = pick.zone();
        state.vertical = pick.vertical();
        state.horizontal = pick.current().horizontal;
        wizard.Label29 = m_numbers.general(c.vertical);
        wizard.Label28 = m_numbers.general(c.horizontal);
    });
    hide();
}
