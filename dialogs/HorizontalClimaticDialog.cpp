// The dialog of the climatic coefficient for horizontal electrodes alone.
#include "dialogs/HorizontalClimaticDialog.h"

#include "app/Windows.h"

TForm8::TForm8(QWidget* parent) : QWidget(parent, dialogWithoutTitleButtons()) {
    setObjectName(QStringLiteral("TForm8"));
    setWindowTitle(QStringLiteral("Form8"));
    setFixedSize(737, 314);
}
