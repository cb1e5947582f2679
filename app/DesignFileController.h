// Design files in the windows: the file that the design shown was opened from or saved to,
// whether the engineer changed it since, and the commands that open and save it.
#pragma once

#include "design/DesignInputs.h"

#include <QObject>
#include <QString>
#include <functional>
#include <memory>

class Design;
class DesignFileDialogs;
class MessageSink;
class NumberText;
class QWidget;

class DesignFileController : public QObject {
    Q_OBJECT
public:
    // Keeps design in files, for mainWindow: its title names the file, and its closing waits for
    // unsaved changes to be settled. Until a file is opened or saved, the window's title is left
    // as it is. recalculate runs the stages of the "Далее>>" presses that lead from the site page
    // to a page, as the presses do.
    DesignFileController(Design& design, std::function<void(int page)> recalculate,
                         QWidget& mainWindow, const NumberText& numbers, MessageSink& sink);
    ~DesignFileController() override;

    // The dialogs in which the engineer picks files, given by the program's start-up like its
    // message boxes. Until they are given, the commands that would ask for a file do nothing.
    void setDialogs(std::unique_ptr<DesignFileDialogs> dialogs);

    // The file of the design shown, empty when it has none.
    const QString& file() const { return m_file; }
    // The folder that the file dialogs begin in: the user's documents folder (the home folder
    // where there is none), then the folder of the last file opened or saved.
    QString startFolder() const;

    // Opens the design file at path as if the engineer had entered it: the design takes up
    // what the file holds, and a design saved on the electrode or results page runs the stages
    // of the "Далее>>" presses that led there again. A file that cannot be opened gives the error
    // box and leaves every window as it was. Returns whether the design was opened.
    bool openFile(const QString& path);
    // Asks for a file and opens it, once unsaved changes are settled.
    void openAsked();
    // Saves the design to its file, or asks for one when it has none. Returns whether it was
    // saved.
    bool save();
    // Asks for a file and saves the design to it. Returns whether it was saved.
    bool saveAs();
    // Whether the design shown may be left: true when it has no file or no unsaved changes, or
    // when the engineer answers the question to save them with "Не сохранять", or with
    // "Сохранить" and the save succeeds.
    bool settleChanges();

protected:
    // Keeps the main window open when its unsaved changes are not settled.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool writeTo(const QString& path);
    void takeFile(const QString& path);
    void setModified(bool modified);
    // The name shown for the file: its name without the extension of design files.
    QString shownName() const;

    Design& m_design;
    std::function<void(int page)> m_recalculate;
    QWidget& m_main;
    const NumberText& m_numbers;
    MessageSink& m_sink;
    std::unique_ptr<DesignFileDialogs> m_dialogs;
    QString m_file;
    QString m_lastFolder;
    DesignInputs m_saved; // the design as it was last opened or saved
    bool m_modified = false;
};
