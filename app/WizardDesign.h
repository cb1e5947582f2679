// The design that the wizard, its reference dialogs and the scheme window hold, as the
// design-file controller sees it.
#pragma once

#include "app/DesignWindows.h"
#include "design/DesignState.h"

#include <functional>

class ReferenceDialogs;
class SchemeWindow;
class SoilMeasurementDialog;
class TForm1;

class WizardDesign : public DesignWindows {
public:
    // How the design reaches the scheme window, which is made when it is first needed.
    struct SchemeWindowAccess {
        std::function<SchemeWindow*()> made; // the window, nullptr while it has not been made
        std::function<SchemeWindow*()> make; // the window, made now if it has not been
    };

    // The same for the window of the soil measurements.
    struct SoilWindowAccess {
        std::function<SoilMeasurementDialog*()> made;
        std::function<SoilMeasurementDialog*()> make;
    };

    WizardDesign(DesignState& state, TForm1& main, const ReferenceDialogs& dialogs,
                 SchemeWindowAccess scheme, SoilWindowAccess soil);

    DesignSnapshot snapshot() const override;
    void restore(const DesignSnapshot& snapshot) override;
    void recalculateTo(int page) override;

private:
    DesignState& m_state;
    TForm1& m_main;
    const ReferenceDialogs& m_dialogs;
    SchemeWindowAccess m_scheme;
    SoilWindowAccess m_soil;
};
