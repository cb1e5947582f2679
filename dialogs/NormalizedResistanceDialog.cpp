// The dialog of the normalized spreading resistance by kind of earthing and voltage.
#include "dialogs/NormalizedResistanceDialog.h"

#include "base/NumberText.h"
#include "tables/ListItems.h"
#include "tables/NormalizedResistanceTable.h"
#include "tables/RememberedPick.h"
#include "widgets/Windows.h"

#include <cmath>

TForm6::TForm6(Design& design, const NumberText& numbers, QWidget* parent)
    : TwoListDialog(
          {
              .name = QStringLiteral("TForm6"),
              .title = QStringLiteral(
                  "Выбор нормируемого значения сопротивления растеканию тока в землю"),
              // A sizeable border; 745 × 190 outside.
              .client = {737, 163},
              .fixedSize = false,
              .heading = QStringLiteral(
                  "Нормируемое значение сопротивления растеканию тока заземляющих устройств"),
              .firstCaption = QStringLiteral("Вид заземления"),
              .firstItems = itemList(kEarthingKindItems),
              .firstLeft = 336,
              .firstWidth = 345,
              .secondCaption = QStringLiteral("Напряжение сети, В"),
              .secondItems = itemList(kNetworkVoltageItems),
              .secondLeft = 552,
              .secondWidth = 129,
          },
          design, &DesignInputs::Form6, &WizardState::Label27, parent),
      m_numbers(numbers) {}

void TForm6::BitBtn1Click() {
    // Whole ohms; a remembered value that is no whole number of the table's range is taken as
    // none.
    const double kept = remembered().value;
    const bool whole = kept >= 0.0 && kept <= 1e9 && std::trunc(kept) == kept;
    RememberedPick<std::int32_t> pick(kNormalizedResistances);
    pick.restore(remembered().rememberedRow, whole ? static_cast<std::int32_t>(kept) : 0);
    const std::int32_t resistance = pick.confirm(pickedPosition(m_first), pickedPosition(m_second));
    if (resistance <= 0) {
        editDesign([&](DesignInputs& d) {
            d.Form6.rememberedRow = pick.rememberedRow();
            d.Form6.value = static_cast<double>(pick.value());
        });
        return;
    }
    handOver(pick.rememberedRow(), static_cast<double>(pick.value()),
             m_numbers.general(static_cast<double>(resistance)));
    hide();
}
