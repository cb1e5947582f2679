// The common window of the utilization coefficient dialogs.
#include "dialogs/UtilizationDialog.h"

#include "base/NumberText.h"
#include "tables/ListItems.h"
#include "widgets/Windows.h"

UtilizationDialog::UtilizationDialog(const QString& name, const QString& title,
                                     const QString& heading, const QString& numberCaption,
                                     int listLeft, const UtilizationTable& table,
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
          parent),
      m_pick(table.rows), m_numbers(numbers) {}

void UtilizationDialog::BitBtn1Click() {
    const double coefficient = m_pick.confirm(pickedPosition(m_first), pickedPosition(m_second));
    emit valueChosen(m_numbers.general(coefficient));
    hide();
}

TwoListDialogState UtilizationDialog::dialogState() const {
    TwoListDialogState state;
    saveLists(state);
    state.rememberedRow = m_pick.rememberedRow();
    state.value = m_pick.value();
    return state;
}

void UtilizationDialog::restoreDialogState(const TwoListDialogState& state) {
    restoreLists(state);
    m_pick.restore(state.rememberedRow, state.value);
}
