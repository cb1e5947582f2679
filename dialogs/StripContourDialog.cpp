// The dialog of the utilization coefficient of the connecting strip, electrodes along a contour.
#include "dialogs/StripContourDialog.h"

TForm5::TForm5(Design& design, const NumberText& numbers, QWidget* parent)
    : UtilizationDialog(
          QStringLiteral("TForm5"),
          QStringLiteral("Выбор коэффициента использования соединительной полосы"),
          QStringLiteral("Коэффициент использования соединительной полосы для заземлителей"),
          QStringLiteral("Число вертикальных электродов в контуре"), 552, kStripContourTable,
          design, &DesignInputs::Form5, &WizardState::Label26, numbers, parent) {}
