// Entering a design through the windows as the engineer does: list picks or typed texts, edit
// boxes, the reference dialogs confirmed, and a whole design in a row through to the results.
#pragma once

#include "design/DesignInputs.h"

#include <QString>
#include <QWidget>

#include <initializer_list>
#include <utility>
#include <vector>

class NumberText;
class ReferenceDialog;
class TForm1;
class TForm7;
class WindowSet;

namespace designentry {
// A named child of a window; a missing one ends the test run.
template <class W> W* part(const QWidget* window, const char* name) {
    auto* found = window->findChild<W*>(QString::fromLatin1(name));
    if (!found)
        qFatal("no widget %s", name);
    return found;
}

// Puts text into a box: the list item with that text, or the text typed when it is no item.
void enter(const QWidget* window, const char* box, const QString& text);
// Sets the texts of edit boxes of the main window.
void setEdits(TForm1* main, std::initializer_list<std::pair<const char*, const char*>> edits);
// Two lists filled, the pointer over the dialog, and OK when confirm is set.
void useTwoLists(ReferenceDialog* dialog, const QString& first, const QString& second,
                 bool confirm = true);
// Selects zone button 1..4 of a climatic dialog.
void selectZone(QWidget* dialog, int button);
// Zone, electrode type and OK in the climatic coefficient dialog.
void pickZone(TForm7* dialog, int button, const QString& type);
// A display label written as a reference dialog hands its value over to it.
void handOver(WindowSet& ws, QString WizardState::*label, const QString& text);
// Readings that the design holds, written in the notation of numbers, as a design opened holds
// them; the soil window shows them.
void holdReadings(WindowSet& ws, const std::vector<WennerReading>& readings,
                  const NumberText& numbers);
// A whole design of angles in a row, through both stages to the results page.
void rowOfAnglesOnResults(WindowSet& ws);

// The second electrode type and the first kind of earthing, as their lists hold them.
extern const QString kType2;
extern const QString kKind;
} // namespace designentry
