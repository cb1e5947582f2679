// The dialog of the normalized spreading resistance by kind of earthing and voltage.
#include "dialogs/NormalizedResistanceDialog.h"

#include "app/Windows.h"

TForm6::TForm6(QLabel* target, const NumberText& numbers, QWidget* parent)
    : QWidget(parent, dialogWithoutTitleButtons()) {
    (void)target;
    (void)numbers;

    setObjectName(QStringLiteral("TForm6"));
    setWindowTitle(QStringLiteral("Выбор нормируемого значения сопротивления растеканию тока в землю"));
    setFixedSize(737, 156);
}
