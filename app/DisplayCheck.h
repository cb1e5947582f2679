// Start-up without a graphical display: one plain line on stderr and exit status 1, instead of
// the toolkit's abort.
#pragma once

#include <QString>

namespace display {

inline const char* const kNoDisplayLine =
    "korvela: нет графического дисплея (DISPLAY/WAYLAND_DISPLAY)\n";

// Whether the windows have somewhere to go: a display is named in the environment, or the
// toolkit is told (by QT_QPA_PLATFORM or -platform) to draw on a platform that needs none, such
// as offscreen. Call before the application object is made.
bool named(int argc, char** argv);

// While it lives, a display that is named but cannot be reached ends the program with the same
// line and status 1 when the application object is made; the toolkit's other messages of that
// time are passed on once it has been made.
class UnreachableDisplayGuard {
public:
    UnreachableDisplayGuard();
    ~UnreachableDisplayGuard();
    UnreachableDisplayGuard(const UnreachableDisplayGuard&) = delete;
    UnreachableDisplayGuard& operator=(const UnreachableDisplayGuard&) = delete;
};

} // namespace display
