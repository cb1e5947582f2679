// The file dialogs of the system for design files.
#pragma once

#include "widgets/DesignFileDialogs.h"

class SystemFileDialogs : public DesignFileDialogs {
public:
    // The toolkit's file dialog keeps its history and layout in the user's settings folder when
    // it closes; made before any dialog, this sends those settings nowhere, so that the dialogs
    // write nothing.
    SystemFileDialogs();

    QString fileToOpen(QWidget* parent, const QString& start) override;
    QString fileToSave(QWidget* parent, const QString& start) override;
};
