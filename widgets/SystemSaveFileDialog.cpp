// The file dialog of the system for saving a file.
#include "widgets/SystemSaveFileDialog.h"

ChosenFile SystemSaveFileDialog::fileToSave(QWidget* parent, const QString& start,
                                            const SaveQuestion& question) {
    ChosenFile answer;
    answer.path = askForFile(parent, question.caption, start, question.kinds, FileQuestion::Save,
                             &answer.kind);
    return answer;
}
