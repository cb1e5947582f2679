// The dialog of the normalized spreading resistance by kind of earthing and voltage.
#include "dialogs/NormalizedResistanceDialog.h"

#include "app/NumberText.h"
#include "app/Windows.h"
#include "dialogs/NormalizedResistanceTable.h"

#include <QLabel>

TForm6::TForm6(QLabel* target, const NumberText& numbers, QWidget* parent)
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
      m_pick(kNormalizedResistances), m_target(target), m_numbers(numbers) {}

void TForm6::BitBtn1Click() {
    const std::int32_t resistance =
        m_pick.confirm(pickedPosition(m_first), pickedPosition(m_second));
    if (resistance <= 0)
        return;
    m_target->setText(m_numbers.general(static_cast<double>(resistance)));
    hide();
}
