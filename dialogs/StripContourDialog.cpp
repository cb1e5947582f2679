// The dialog of the utilization coefficient of the connecting strip, electrodes along a contour.
#include "dialogs/StripContourDialog.h"

TForm5::TForm5(const NumberText& numbers, QWidget* parent)
    : UtilizationDialog(
          QStringLiteral("TForm5"),
          QStringLiteral("Выбор коэффициента использования соединительной полосы"),
          QStringLiteral("Коэффициент использования соединительной полосы для заземлителей"),
          QStringLiteral("Число вертикальных электродов в контуре"), 552, kStripContourTable,
          numbers, parent) {}
