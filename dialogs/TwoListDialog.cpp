// The common design of the dialogs that look a value up by two lists.
#include "dialogs/TwoListDialog.h"

#include "widgets/Windows.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <utility>

TwoListDialog::TwoListDialog(const Look& look, Design& model, Remembered remembered, Target target,
                             QWidget* parent)
    : ReferenceDialog(model, look.name, look.title, look.client, look.fixedSize, {320, 120},
                      parent),
      m_remembered(remembered), m_target(target) {
    addHeading(look.heading);
    addCaption(this, "Label2", look.firstCaption, {16, 56});
    m_first = addList(this, "ComboBox1", look.firstItems, {look.firstLeft, 56}, look.firstWidth);
    addCaption(this, "Label3", look.secondCaption, {16, 88});
    m_second =
        addList(this, "ComboBox2", look.secondItems, {look.secondLeft, 88}, look.secondWidth);
    setTabOrder(m_first, m_second);
    setTabOrder(m_second, m_ok);
    for (auto [box, text] : {std::pair{m_first, &TwoListDialogState::firstText},
                             std::pair{m_second, &TwoListDialogState::secondText}}) {
        connect(box, &QComboBox::currentTextChanged, this,
                [this, member = text](const QString& shown) {
                    editDesign([&](DesignInputs& d) { (d.*m_remembered).*member = shown; });
                });
    }
    followDesign();
}

void TwoListDialog::showDesign() {
    const TwoListDialogState& state = remembered();
    if (m_first->currentText() != state.firstText)
        showText(m_first, state.firstText);
    if (m_second->currentText() != state.secondText)
        showText(m_second, state.secondText);
    if (state.okEnabled)
        m_ok->setEnabled(true);
}

void TwoListDialog::FormMouseMove() {
    const TwoListDialogState& state = remembered();
    if (!state.firstText.isEmpty() && !state.secondText.isEmpty())
        editDesign([this](DesignInputs& d) { (d.*m_remembered).okEnabled = true; });
}

void TwoListDialog::handOver(std::optional<int> row, double value, const QString& text) {
    editDesign([&](DesignInputs& d) {
        (d.*m_remembered).rememberedRow = row;
        (d.*m_remembered).value = value;
        d.wizard.*m_target = text;
    });
}
