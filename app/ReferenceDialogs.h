// The reference dialogs of the main window, each made when first needed from its record.
#pragma once

#include "app/ReferenceDialogRecord.h"

#include <QPointer>
#include <vector>

class NumberText;
class ReferenceDialog;

class ReferenceDialogs {
public:
    ReferenceDialogs(Design& design, TForm1& main, const NumberText& numbers);

    // The dialog of the record at index, made hidden over the main window when first asked.
    ReferenceDialog* dialog(std::size_t index) const;
    // Opens the dialog that fills `label` for the wizard as it stands.
    void openFor(TForm1::DisplayLabel label) const;

private:
    Design& m_design;
    TForm1& m_main;
    const NumberText& m_numbers;
    std::vector<ReferenceDialogRecord> m_records;
    mutable std::vector<QPointer<ReferenceDialog>> m_dialogs; // by record, empty until made
};
