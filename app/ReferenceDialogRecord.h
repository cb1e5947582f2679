// What the composition root knows of each reference dialog: the display label it fills, when it
// may open, and how it is made.
#pragma once

#include "app/MainWindow.h"
#include "design/Design.h"

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
    // Makes the dialog, hidden, over the main window; it remembers its picks in the design and
    // hands its value over to the design's display label.
    std::function<ReferenceDialog*(Design& design, const NumberText& numbers, QWidget* main)> make;
};

// The reference dialogs of the program, in the order they were made at start-up.
std::vector<ReferenceDialogRecord> referenceDialogRecords();
