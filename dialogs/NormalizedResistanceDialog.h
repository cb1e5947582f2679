// The dialog of the normalized spreading resistance by kind of earthing and voltage.
#pragma once

#include "dialogs/TwoListDialog.h"

class NumberText;

class TForm6 : public TwoListDialog {
    Q_OBJECT
public:
    // Its resistance goes to the main window's Label27.
    TForm6(Design& design, const NumberText& numbers, QWidget* parent = nullptr);

    // Hands out the resistance of the picked kind and voltage, falling back on the remembered
    // kind and resistance, and hides the dialog; a resistance that is not positive hands out
    // nothing and leaves the dialog open.
    void BitBtn1Click() override;

private:
    const NumberText& m_numbers;
};
