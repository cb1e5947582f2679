// The design the engineer works on.
#include "design/Design.h"

#include "design/MeasuredSoilItems.h"
#include "design/Selectors.h"
#include "tables/ListItems.h"

namespace {

void followItems(ListBoxState& box, const QStringList& items) {
    box.position = static_cast<int>(items.indexOf(box.text));
}

// Each list picks the item that its text is, or none.
void followItems(DesignInputs& d) {
    const std::optional<MeasuredSoil>& measured = d.wizard.measuredSoil;
    followItems(d.wizard.upperSoil, soilListItems(measured, true));
    followItems(d.wizard.lowerSoil, soilListItems(measured, false));
    followItems(d.wizard.arrangement, itemList(kArrangementItems));
    followItems(d.wizard.material, itemList(kMaterialItems));
}

bool sameDialogs(const DesignInputs& a, const DesignInputs& b) {
    return a.Form2 == b.Form2 && a.Form3 == b.Form3 && a.Form4 == b.Form4 && a.Form5 == b.Form5 &&
           a.Form6 == b.Form6 && a.Form7 == b.Form7 && a.Form8 == b.Form8;
}

// A button enabled once stays enabled.
void keepEnabled(bool& next, bool now) {
    next = next || now;
}

} // namespace

Design::Design(QObject* parent) : QObject(parent) {}

void Design::edit(const std::function<void(DesignInputs&)>& change) {
    DesignInputs next = m_inputs;
    change(next);
    commit(std::move(next));
}

void Design::replace(DesignInputs next) {
    keepEnabled(next.wizard.button1Enabled, m_inputs.wizard.button1Enabled);
    keepEnabled(next.wizard.button3Enabled, m_inputs.wizard.button3Enabled);
    for (auto dialog : {&DesignInputs::Form2, &DesignInputs::Form3, &DesignInputs::Form4,
                        &DesignInputs::Form5, &DesignInputs::Form6})
        keepEnabled((next.*dialog).okEnabled, (m_inputs.*dialog).okEnabled);
    for (auto dialog : {&DesignInputs::Form7, &DesignInputs::Form8})
        keepEnabled((next.*dialog).okEnabled, (m_inputs.*dialog).okEnabled);
    followItems(next);
    m_state = DesignState{};
    refreshArrangement(next.wizard.arrangement.position, m_state);
    refreshMaterial(next.wizard.material.position, m_state);
    m_results.reset();
    m_inputs = std::move(next);
    emit changed(Part::Wizard | Part::Dialogs | Part::Scheme | Part::SoilReadings | Part::Project |
                 Part::Variants | Part::Results | Part::Opened);
}

void Design::showResults() {
    m_results = m_state;
    emit changed(Part::Results);
}

void Design::commit(DesignInputs next) {
    followItems(next);
    Parts parts;
    if (next.wizard != m_inputs.wizard)
        parts |= Part::Wizard;
    if (!sameDialogs(next, m_inputs))
        parts |= Part::Dialogs;
    if (next.scheme != m_inputs.scheme)
        parts |= Part::Scheme;
    if (next.soilMeasurements != m_inputs.soilMeasurements)
        parts |= Part::SoilReadings;
    if (next.project != m_inputs.project)
        parts |= Part::Project;
    if (next.variants != m_inputs.variants)
        parts |= Part::Variants;
    if (!parts)
        return;
    m_inputs = std::move(next);
    emit changed(parts);
}
