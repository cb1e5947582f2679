// The dialog of the utilization coefficient of vertical electrodes along a contour.
#include "dialogs/VerticalContourDialog.h"

#include "app/Windows.h"

TForm4::TForm4(QLabel* target, const NumberText& numbers, QWidget* parent)
    : QWidget(parent, dialogWithoutTitleButtons()) {
    (void)target;
    (void)numbers;

    setObjectName(QStringLiteral("TForm4"));
    setWindowTitle(QStringLiteral("Выбор коэффициента использования вертикальных электродов"));
    setFixedSize(737, 156);
}
