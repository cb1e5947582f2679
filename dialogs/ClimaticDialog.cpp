// The dialog of the climatic coefficients for vertical and horizontal electrodes.
#include "dialogs/ClimaticDialog.h"

#include "app/Windows.h"

TForm7::TForm7(QWidget* parent) : QWidget(parent, dialogWithoutTitleButtons()) {
    setObjectName(QStringLiteral("TForm7"));
    setWindowTitle(QStringLiteral("Выбор климатического коэффициента для вертикальных электродов"));
    setFixedSize(737, 363);
}
