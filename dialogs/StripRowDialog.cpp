// The dialog of the utilization coefficient of the connecting strip, electrodes in a row.
#include "dialogs/StripRowDialog.h"

TForm3::TForm3(Design& design, const NumberText& numbers, QWidget* parent)
    : UtilizationDialog(
          QStringLiteral("TForm3"),
          QStringLiteral("Выбор коэффициента использования соединительной полосы"),
          QStringLiteral("Коэффициент использования соединительной полосы для заземлителей"),
          QStringLiteral("Число вертикальных электродов в ряду"), 544, kStripRowTable, design,
          &DesignInputs::Form3, &WizardState::Label26, numbers, parent) {}
