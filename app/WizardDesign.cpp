// The design that the wizard, its reference dialogs and the scheme window hold.
#include "app/WizardDesign.h"

#include "app/MainWindow.h"
#include "app/ReferenceDialogs.h"
#include "dialogs/SchemeWindow.h"
#include "dialogs/SoilMeasurementDialog.h"

WizardDesign::WizardDesign(DesignState& state, TForm1& main, const ReferenceDialogs& dialogs,
                           SchemeWindowAccess scheme, SoilWindowAccess soil)
    : m_state(state), m_main(main), m_dialogs(dialogs), m_scheme(std::move(scheme)),
      m_soil(std::move(soil)) {}

DesignSnapshot WizardDesign::snapshot() const {
    DesignSnapshot s;
    s.wizard = m_main.wizardState();
    m_dialogs.save(s);
    // A scheme window not made yet holds the thicknesses it starts with.
    if (const SchemeWindow* scheme = m_scheme.made())
        s.scheme = scheme->dialogState();
    // A readings window not made yet holds no rows.
    if (const SoilMeasurementDialog* soil = m_soil.made())
        s.soilMeasurements = soil->state();
    return s;
}

void WizardDesign::restore(const DesignSnapshot& s) {
    m_state = DesignState{};
    m_dialogs.restore(s);
    m_main.restoreWizardState(s.wizard);
    SchemeWindow* scheme = m_scheme.made();
    if (!scheme && s.scheme != SteelThickness{})
        scheme = m_scheme.make();
    if (scheme) {
        scheme->restoreDialogState(s.scheme);
        scheme->clearDesign(); // the calculation starts afresh
    }
    SoilMeasurementDialog* soil = m_soil.made();
    if (!soil && s.soilMeasurements != SoilMeasurementState{})
        soil = m_soil.make();
    if (soil)
        soil->restoreState(s.soilMeasurements);
}

void WizardDesign::recalculateTo(int page) {
    m_main.recalculateTo(page);
}
