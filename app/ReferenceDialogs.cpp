#include "app/ReferenceDialogs.h"

#include "dialogs/ReferenceDialog.h"
#include "widgets/Windows.h"

ReferenceDialogs::ReferenceDialogs(Design& design, TForm1& main, const NumberText& numbers)
    : m_design(design), m_main(main), m_numbers(numbers), m_records(referenceDialogRecords()),
      m_dialogs(m_records.size()) {}

ReferenceDialog* ReferenceDialogs::dialog(std::size_t index) const {
    QPointer<ReferenceDialog>& made = m_dialogs.at(index);
    if (!made)
        made = m_records[index].make(m_design, m_numbers, &m_main);
    return made;
}

void ReferenceDialogs::openFor(TForm1::DisplayLabel label) const {
    const WizardState& wizard = m_design.inputs().wizard;
    for (std::size_t i = 0; i < m_records.size(); ++i) {
        if (m_records[i].opener == label && m_records[i].mayOpen(wizard)) {
            showOver(dialog(i), &m_main);
            return;
        }
    }
}
