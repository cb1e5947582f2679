// The file dialog of the system for saving the scheme.
#pragma once

#include "widgets/SaveFileDialog.h"

class SystemSchemeFileDialog : public SaveFileDialog {
public:
    QString fileToSave(QWidget* parent, const QString& start) override;
};
