// The dialog of the utilization coefficient of the connecting strip, electrodes along a contour.
#include "dialogs/StripContourDialog.h"

#include "app/Windows.h"

TForm5::TForm5(QWidget* parent) : QWidget(parent, dialogWithoutTitleButtons()) {
    setObjectName(QStringLiteral("TForm5"));
    setWindowTitle(QStringLiteral("Выбор коэффициента использования соединительной полосы"));
    setFixedSize(737, 156);
}
