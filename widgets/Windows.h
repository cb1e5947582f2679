// Small helpers that every window of the program uses.
#pragma once

#include <QComboBox>
#include <QWidget>

class QLabel;

// The forms are drawn for "MS Sans Serif"; Liberation Sans has its metrics here.
void substituteFormFont();
// The list position of the item whose text is exactly the box text, -1 when the text is no item.
int pickedPosition(const QComboBox* box);
// Puts text into an editable drop-down box as if it had been picked (when it is an item) or typed.
void showText(QComboBox* box, const QString& text);
// An editable drop-down box that neither completes nor inserts what is typed.
void prepareEditableCombo(QComboBox* box);
// Shows a top-level window centred on its screen.
void showCentred(QWidget* window);
// Shows a window without blocking its owner, centred over the owner, and brings it to the front.
void showOver(QWidget* window, const QWidget* owner);
// Window flags of a dialog whose title bar has no buttons, so that its own OK is the way out.
Qt::WindowFlags dialogWithoutTitleButtons();
// A push button that still lets mouse moves through to its window while it is disabled.
void passMovesWhileDisabled(QWidget* button);
// Shows the text of w in the colour of warnings, or, with warning false, in its usual colour.
void showAsWarning(QWidget* w, bool warning);
// Gives label the first font in which its text, wrapped at spaces, fits inside it: font, then
// smaller point sizes down to smallest, each in the weight of font and then, when that is bold, in
// the regular weight; the last of them when none fits.
void fitTextToLabel(QLabel* label, QFont font, int smallest);
