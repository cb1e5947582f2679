// The dialog of the utilization coefficient of vertical electrodes set in a row.
#include "dialogs/VerticalRowDialog.h"

#include "app/Windows.h"

TForm2::TForm2(QLabel* target, const NumberText& numbers, QWidget* parent)
    : QWidget(parent, dialogWithoutTitleButtons()) {
    (void)target;
    (void)numbers;

    setObjectName(QStringLiteral("TForm2"));
    setWindowTitle(QStringLiteral("Выбор коэффициента использования вертикальных электродов"));
    setFixedSize(737, 156);
}
