// The design that the wizard and its reference dialogs hold, as the design-file controller sees
// it.
#pragma once

#include "app/DesignWindows.h"
#include "design/DesignState.h"

class ReferenceDialogs;
class TForm1;

class WizardDesign : public DesignWindows {
public:
    WizardDesign(DesignState& state, TForm1& main, const ReferenceDialogs& dialogs);

    DesignSnapshot snapshot() const override;
    void restore(const DesignSnapshot& snapshot) override;
    void recalculateTo(int page) override;

private:
    DesignState& m_state;
    TForm1& m_main;
    const ReferenceDialogs& m_dialogs;
};
