// The dialog of the utilization coefficient of the connecting strip, electrodes along a contour.
#include "dialogs/StripContourDialog.h"

#include "app/Windows.h"

TForm5::TForm5(QLabel* target, const NumberText& numbers, QWidget* parent)
    : QWidget(parent, dialogWithoutTitleButtons()) {
    (void)target;
    (void)numbers;

    setObjectName(QStringLiteral("TForm5"));
    setWindowTitle(QStringLiteral("Выбор коэффициента использования соединительной полосы"));
    setFixedSize(737, 156);
}
