// The dialog of the utilization coefficient of the connecting strip, electrodes in a row.
#include "dialogs/StripRowDialog.h"

#include "app/Windows.h"

TForm3::TForm3(QLabel* target, const NumberText& numbers, QWidget* parent)
    : QWidget(parent, dialogWithoutTitleButtons()) {
    (void)target;
    (void)numbers;

    setObjectName(QStringLiteral("TForm3"));
    setWindowTitle(QStringLiteral("Выбор коэффициента использования соединительной полосы"));
    setFixedSize(737, 156);
}
