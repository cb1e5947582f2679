// Every input of a design, compared as a design file keeps it.
#include "design/DesignInputs.h"

namespace {
// The design without what only follows the pointer and the page.
DesignInputs edits(DesignInputs d) {
    d.wizard.button1Enabled = d.wizard.button3Enabled = false;
    d.wizard.page = 0;
    for (TwoListDialogState* dialog : {&d.Form2, &d.Form3, &d.Form4, &d.Form5, &d.Form6})
        dialog->okEnabled = false;
    d.Form7.okEnabled = d.Form8.okEnabled = false;
    return d;
}
} // namespace

bool sameEdits(const DesignInputs& a, const DesignInputs& b) {
    return edits(a) == edits(b);
}
