// Where the engineer saves a file (the report as PDF, the scheme, the equipment schedule).
#pragma once

#include "widgets/FileDialog.h"

#include <QString>
#include <cstddef>
#include <vector>

class QWidget;

// What the window asks: the dialog's caption and the kinds of file it offers, in this order.
struct SaveQuestion {
    QString caption;
    std::vector<FileKind> kinds;
};

// The file to write, empty when the engineer cancels, and the kind picked for it.
struct ChosenFile {
    QString path;
    std::size_t kind = 0;
};

class SaveFileDialog {
public:
    virtual ~SaveFileDialog() = default;
    // start is the folder to begin in or the file to suggest.
    virtual ChosenFile fileToSave(QWidget* parent, const QString& start,
                                  const SaveQuestion& question) = 0;
};
