// The file dialogs of the system for design files.
#pragma once

#include "widgets/DesignFileDialogs.h"

class SystemFileDialogs : public DesignFileDialogs {
public:
    QString fileToOpen(QWidget* parent, const QString& start) override;
    QString fileToSave(QWidget* parent, const QString& start) override;
};
