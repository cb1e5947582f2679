// The dialog of the utilization coefficient of vertical electrodes along a contour.
#include "dialogs/VerticalContourDialog.h"

TForm4::TForm4(Design& design, const NumberText& numbers, QWidget* parent)
    : UtilizationDialog(
          QStringLiteral("TForm4"),
          QStringLiteral("Выбор коэффициента использования вертикальных электродов"),
          QStringLiteral(
              "Коэффициент использования вертикальных электродов без учёта полосы связи"),
          QStringLiteral("Число вертикальных электродов"), 552, kVerticalContourTable, design,
          &DesignInputs::Form4, &WizardState::Label16, numbers, parent) {}
