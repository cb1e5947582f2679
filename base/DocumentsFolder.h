// The folder in which the program's file dialogs begin.
#pragma once

#include <QString>

// The user's documents folder, or the home folder where there is none (a documents folder that
// is not there would be typed into a file dialog as a file's name).
QString documentsFolder();
