// What every window test shares: the program's fonts and pointer moves that always arrive.
#pragma once

#include <QPoint>

class QWidget;

namespace windowtest {
// Substitutes the forms' font family as the program does at start-up.
void useProgramFonts();
// Moves the pointer over w; every call moves to a point not used before, so that the move is
// delivered even when the same widget is hovered twice.
void hover(QWidget* w);
// A left click in the middle of w.
void click(QWidget* w);
} // namespace windowtest
