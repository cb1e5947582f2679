// The desktop's opener of written files (xdg-open), run so that a failure is known: a file is
// shown only when the opener was started and did not give up on it.
#pragma once

#include <QString>
#include <functional>

// Opens a written file for the user; false when it could not.
using FileOpener = std::function<bool(const QString& fileName)>;

// Runs program with fileName and waits for it: true when it exits with status 0, or is still
// running after waitMs (an opener that keeps the viewer in its foreground); false when it cannot
// be started, crashes or exits with another status (nothing opens the file). An opener still
// running is left to run on its own.
bool openWithProgram(const QString& program, const QString& fileName, int waitMs = 5000);

// The opener of the reports' files: openWithProgram with program ("xdg-open" on the desktop).
FileOpener desktopOpener(const QString& program = QStringLiteral("xdg-open"));
