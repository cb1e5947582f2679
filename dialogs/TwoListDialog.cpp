// The common design of the dialogs that look a value up by two lists.
#include "dialogs/TwoListDialog.h"

#include "widgets/Windows.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

TwoListDialog::TwoListDialog(const Design& design, QWidget* parent)
    : ReferenceDialog(design.name, design.title, design.client, design.fixedSize, {320, 120},
                      parent) {
    addHeading(design.heading);
    addCaption(this, "Label2", design.firstCaption, {16, 56});
    m_first =
        addList(this, "ComboBox1", design.firstItems, {design.firstLeft, 56}, design.firstWidth);
    addCaption(this, "Label3", design.secondCaption, {16, 88});
    m_second =
        addList(this, "ComboBox2", design.secondItems, {design.secondLeft, 88}, design.secondWidth);
    setTabOrder(m_first, m_second);
    setTabOrder(m_second, m_ok);
}

void TwoListDialog::saveLists(TwoListDialogState& state) const {
    state.firstText = m_first->currentText();
    state.secondText = m_second->currentText();
    state.okEnabled = m_ok->isEnabled();
}

void TwoListDialog::restoreLists(const TwoListDialogState& state) {
    showText(m_first, state.firstText);
    showText(m_second, state.secondText);
    if (state.okEnabled)
        m_ok->setEnabled(true);
}

void TwoListDialog::FormMouseMove() {
    if (!m_first->currentText().isEmpty() && !m_second->currentText().isEmpty())
        m_ok->setEnabled(true);
}
