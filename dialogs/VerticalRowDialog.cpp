// The dialog of the utilization coefficient of vertical electrodes set in a row.
#include "dialogs/VerticalRowDialog.h"

TForm2::TForm2(Design& design, const NumberText& numbers, QWidget* parent)
    : UtilizationDialog(
          QStringLiteral("TForm2"),
          QStringLiteral("Выбор коэффициента использования вертикальных электродов"),
          QStringLiteral(
              "Коэффициент использования вертикальных электродов без учёта полосы связи"),
          QStringLiteral("Число вертикальных электродов"), 552, kVerticalRowTable, design,
          &DesignInputs::Form2, &WizardState::Label16, numbers, parent) {}
