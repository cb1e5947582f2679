// The dialog of the normalized spreading resistance by kind of earthing and voltage.
#include "dialogs/NormalizedResistanceDialog.h"

#include "base/NumberText.h"
#include "tables/ListItems.h"
#include "tables/NormalizedResistanceTable.h"
#include "widgets/Windows.h"

#include <cmath>

TForm6::TForm6(const NumberText& numbers, QWidget* parent)
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
          parent),
      m_pick(kNormalizedResistances), m_numbers(numbers) {}

void TForm6::BitBtn1Click() {
    const std::int32_t resistance =
        m_pick.confirm(pickedPosition(m_first), pickedPosition(m_second));
    if (resistance <= 0)
        return;
    emit valueChosen(m_numbers.general(static_cast<double>(resistance)));
    hide();
}

TwoListDialogState TForm6::dialogState() const {
    TwoListDialogState state;
    saveLists(state);
    state.rememberedRow = m_pick.rememberedRow();
    state.value = static_cast<double>(m_pick.value());
    return state;
}

void TForm6::restoreDialogState(const TwoListDialogState& state) {
    restoreLists(state);
    // Whole ohms; a value that is no whole number of the table's range is taken as none.
    const bool whole =
        state.value >= 0.0 && state.value <= 1e9 && std::trunc(state.value) == state.value;
    m_pick.restore(state.rememberedRow, whole ? static_cast<std::int32_t>(state.value) : 0);
}
