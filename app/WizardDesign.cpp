#include "app/WizardDesign.h"

#include "app/MainWindow.h"
#include "app/ReferenceDialogs.h"

WizardDesign::WizardDesign(DesignState& state, TForm1& main, const ReferenceDialogs& dialogs)
    : m_state(state), m_main(main), m_dialogs(dialogs) {}

DesignSnapshot WizardDesign::snapshot() const {
    DesignSnapshot s;
    s.wizard = m_main.wizardState();
    m_dialogs.save(s);
    return s;
}

void WizardDesign::restore(const DesignSnapshot& s) {
    m_state = DesignState{};
    m_dialogs.restore(s);
    m_main.restoreWizardState(s.wizard);
}

void WizardDesign::recalculateTo(int page) {
    m_main.recalculateTo(page);
}
