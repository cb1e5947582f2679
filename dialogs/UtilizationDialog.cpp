// The common window of the utilization coefficient dialogs.
#include "dialogs/UtilizationDialog.h"

#include "base/NumberText.h"
#include "tables/ListItems.h"
#include "tables/RememberedPick.h"
#include "widgets/Windows.h"

UtilizationDialog::UtilizationDialog(const QString& name, const QString& title,
                                     const QString& heading, const QString& numberCaption,
                                     int listLeft, const UtilizationTable& table, Design& design,
                                     Remembered remembered, Target target,
                                     const NumberText& numbers, QWidget* parent)
    : TwoListDialog(
          {
              .name = name,
              .title = title,
              .client = {737, 156},
              .fixedSize = true,
              .heading = heading,
              .firstCaption = QStringLiteral("Отношение расстояния между электродами к их длинне"),
              .firstItems = itemList(kRatioItems),
              .firstLeft = listLeft,
              .firstWidth = 129,
              .secondCaption = numberCaption,
              .secondItems = itemList(table.numberItems),
              .secondLeft = listLeft,
              .secondWidth = 129,
          },
          design, remembered, target, parent),
      m_table(table), m_numbers(numbers) {}

void UtilizationDialog::BitBtn1Click() {
    RememberedPick<double> pick(m_table.rows);
    pick.restore(remembered().rememberedRow, remembered().value);
    const double coefficient = pick.confirm(pickedPosition(m_first), pickedPosition(m_second));
    handOver(pick.rememberedRow(), pick.value(), m_numbers.general(coefficient));
    hide();
}
