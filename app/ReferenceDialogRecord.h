// What the composition root knows of each reference dialog: the display label it fills, when it
// may open, how it is made and wired, and its part of the design.
#pragma once

#include "app/MainWindow.h"
#include "design/DesignSnapshot.h"

#include <functional>
#include <vector>

class NumberText;
class ReferenceDialog;

struct ReferenceDialogRecord {
    // The display label whose click opens the dialog.
    TForm1::DisplayLabel opener;
    // Whether the dialog is the one that opens for the wizard as it stands; of the records with
    // the same opener, the first that may open does.
    std::function<bool(const WizardState&)> mayOpen;
    // Makes the dialog, hidden, over the main window, handing the values it gives out to the main
    // window's display labels.
    std::function<ReferenceDialog*(TForm1& main, const NumberText& numbers)> make;
    // Its part of the design: read into a snapshot, and taken up from one.
    std::function<void(const ReferenceDialog& dialog, DesignSnapshot& design)> save;
    std::function<void(ReferenceDialog& dialog, const DesignSnapshot& design)> restore;
};

// The reference dialogs of the program, in the order they were made at start-up.
std::vector<ReferenceDialogRecord> referenceDialogRecords();
