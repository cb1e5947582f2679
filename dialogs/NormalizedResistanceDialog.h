// The dialog of the normalized spreading resistance by kind of earthing and voltage.
#pragma once

#include "dialogs/RememberedPick.h"
#include "dialogs/TwoListDialog.h"

#include <cstdint>

class NumberText;
class QLabel;

class TForm6 : public TwoListDialog {
    Q_OBJECT
public:
    // target: the main window's label that receives the resistance (Label27).
    TForm6(QLabel* target, const NumberText& numbers, QWidget* parent = nullptr);

    // Writes the resistance of the picked kind and voltage, falling back on the remembered kind
    // and resistance, and hides the dialog; a resistance that is not positive writes nothing
    // and leaves the dialog open.
    void BitBtn1Click() override;

    const RememberedPick<std::int32_t>& pick() const { return m_pick; }

private:
    RememberedPick<std::int32_t> m_pick;
    QLabel* m_target;
    const NumberText& m_numbers;
};
