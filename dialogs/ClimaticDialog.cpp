// The dialog of the climatic coefficients for vertical and horizontal electrodes.
#include "dialogs/ClimaticDialog.h"

#include "app/Windows.h"

TForm7::TForm7(QLabel* vertical, QLabel* horizontal, const NumberText& numbers, QWidget* parent)
    : QWidget(parent, dialogWithoutTitleButtons()) {
    (void)vertical;
    (void)horizontal;
    (void)numbers;

    setObjectName(QStringLiteral("TForm7"));
    setWindowTitle(QStringLiteral("Выбор климатического коэффициента для вертикальных электродов"));
    setFixedSize(737, 363);
}
