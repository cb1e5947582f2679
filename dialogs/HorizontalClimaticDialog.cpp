// The dialog of the climatic coefficient for horizontal electrodes alone.
#include "dialogs/HorizontalClimaticDialog.h"

#include "app/Windows.h"

TForm8::TForm8(QLabel* target, const NumberText& numbers, QWidget* parent)
    : QWidget(parent, dialogWithoutTitleButtons()) {
    (void)target;
    (void)numbers;

    setObjectName(QStringLiteral("TForm8"));
    setWindowTitle(QStringLiteral("Form8"));
    setFixedSize(737, 314);
}
