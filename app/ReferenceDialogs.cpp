#include "app/ReferenceDialogs.h"

#include "dialogs/ReferenceDialog.h"
#include "widgets/Windows.h"

ReferenceDialogs::ReferenceDialogs(TForm1& main, const NumberText& numbers)
    : m_main(main), m_numbers(numbers), m_records(referenceDialogRecords()),
      m_dialogs(m_records.size()) {}

ReferenceDialog* ReferenceDialogs::dialog(std::size_t index) const {
    QPointer<ReferenceDialog>& made = m_dialogs.at(index);
    if (!made)
        made = m_records[index].make(m_main, m_numbers);
    return made;
}

void ReferenceDialogs::openFor(TForm1::DisplayLabel label) const {
    const WizardState wizard = m_main.wizardState();
    for (std::size_t i = 0; i < m_records.size(); ++i) {
        if (m_records[i].opener == label && m_records[i].mayOpen(wizard)) {
            showOver(dialog(i), &m_main);
            return;
        }
    }
}

void ReferenceDialogs::save(DesignSnapshot& design) const {
    for (std::size_t i = 0; i < m_records.size(); ++i)
        m_records[i].save(*dialog(i), design);
}

void ReferenceDialogs::restore(const DesignSnapshot& design) const {
    for (std::size_t i = 0; i < m_records.size(); ++i)
        m_records[i].restore(*dialog(i), design);
}
