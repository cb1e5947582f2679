// The file dialog of the system for saving the scheme.
#pragma once

#include "widgets/SchemeFileDialog.h"

class SystemSchemeFileDialog : public SchemeFileDialog {
public:
    QString fileToSave(QWidget* parent, const QString& start) override;
};
