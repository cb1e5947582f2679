// The file dialog of the system for saving a file.
#pragma once

#include "widgets/SaveFileDialog.h"

class SystemSaveFileDialog : public SaveFileDialog {
public:
    ChosenFile fileToSave(QWidget* parent, const QString& start,
                          const SaveQuestion& question) override;
};
