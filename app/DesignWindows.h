// What the design-file controller needs of the windows: a snapshot of the design they hold, a
// snapshot taken up, and the calculation run again up to a page.
#pragma once

#include "design/DesignSnapshot.h"

class DesignWindows {
public:
    virtual ~DesignWindows() = default;

    // What the windows hold of the design: the wizard's inputs and every reference dialog.
    virtual DesignSnapshot snapshot() const = 0;
    // Takes up a snapshot in every window, with a calculation started afresh; runs no stage and
    // is no change by the engineer.
    virtual void restore(const DesignSnapshot& snapshot) = 0;
    // Runs the stages that lead from the site page to `page`, as the "Далее>>" presses do: with
    // their messages, each going on to the next page when it succeeds.
    virtual void recalculateTo(int page) = 0;
};
