// The system's file dialog as every file question of the program asks it.
#pragma once

#include <QString>
#include <vector>

class QWidget;

// A kind of file the dialog offers: its filter, and the extension that a name typed without one
// takes (none: the name stays as typed).
struct FileKind {
    QString filter;
    QString suffix;
};

enum class FileQuestion { Open, Save };

// The toolkit's file dialog keeps its history and layout in the user's settings when it closes;
// called once at start, before any dialog, this sends those settings nowhere, so that the
// program's dialogs write nothing.
void keepFileDialogSettingsNowhere();

// The file the engineer picks (an existing one to open, any to save to), or empty when the
// engineer cancels. start is the folder to begin in or the file to suggest; the kind of its
// extension is offered first. chosenKind, where given, receives the index of the kind whose filter
// was chosen.
QString askForFile(QWidget* parent, const QString& caption, const QString& start,
                   const std::vector<FileKind>& kinds, FileQuestion question,
                   std::size_t* chosenKind = nullptr);
