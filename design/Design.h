// The design the engineer works on: every input the windows edit and show, and the calculation
// that the stages keep in the design state.
#pragma once

#include "design/DesignInputs.h"
#include "design/DesignState.h"

#include <QFlags>
#include <QObject>
#include <functional>
#include <optional>

class Design : public QObject {
    Q_OBJECT
public:
    // What a change touched.
    enum class Part {
        Wizard = 0x01,       // the wizard's pages
        Dialogs = 0x02,      // what a reference dialog remembers
        Scheme = 0x04,       // the steel thicknesses
        SoilReadings = 0x08, // the soil readings and the pick of a model
        Project = 0x10,      // the project data
        Results = 0x20,      // the results page 3 shows
        Opened = 0x40,       // the whole design was replaced: a design file opened
        Variants = 0x80,     // the lists, limits and prices of the variant search
    };
    Q_DECLARE_FLAGS(Parts, Part)
    Q_FLAG(Parts)

    explicit Design(QObject* parent = nullptr);

    const DesignInputs& inputs() const { return m_inputs; }

    // Applies change to the inputs; when they differ afterwards, says so once, with what
    // changed. The list positions follow the texts: a text that is an item of its list picks it.
    void edit(const std::function<void(DesignInputs&)>& change);

    // Takes up a design opened from a file, with a calculation started afresh: the design state
    // as the program starts, with the two selectors taken from the picks, and no results shown.
    // Buttons that the pointer has enabled stay enabled. Says so with every part and Opened.
    void replace(DesignInputs inputs);

    // What the stages store and read.
    DesignState& state() { return m_state; }
    const DesignState& state() const { return m_state; }

    // The calculation as page 3 shows it, from the last "Далее>>" of the electrode page that
    // opened it until a design is opened; none before.
    const std::optional<DesignState>& results() const { return m_results; }
    // The design state as the stages left it is shown on page 3.
    void showResults();

signals:
    void changed(Design::Parts parts);

private:
    void commit(DesignInputs next);

    DesignInputs m_inputs;
    DesignState m_state;
    std::optional<DesignState> m_results;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(Design::Parts)
