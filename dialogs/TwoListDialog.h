// A reference dialog that looks a value up by two lists: a heading, two captioned lists and OK.
#pragma once

#include "design/DesignSnapshot.h"
#include "dialogs/ReferenceDialog.h"

class QComboBox;
class QLabel;

class TwoListDialog : public ReferenceDialog {
    Q_OBJECT
public:
    struct Design {
        QString name;  // the window's object name, "TForm2" ...
        QString title; // the window title
        QSize client;  // the client area
        bool fixedSize = true;
        QString heading;        // Label1
        QString firstCaption;   // Label2
        QStringList firstItems; // ComboBox1
        int firstLeft = 552;
        int firstWidth = 129;
        QString secondCaption;   // Label3
        QStringList secondItems; // ComboBox2
        int secondLeft = 552;
        int secondWidth = 129;
    };

    TwoListDialog(const Design& design, QWidget* parent);

    // Enables OK once both lists hold text, picked or typed; nothing disables it again.
    void FormMouseMove() override;

signals:
    // OK handed out a value, as the text that the main window shows.
    void valueChosen(const QString& text);

protected:
    // The texts of the two lists and the OK button into state, and back; restoring only ever
    // enables OK, as the dialog itself does.
    void saveLists(TwoListDialogState& state) const;
    void restoreLists(const TwoListDialogState& state);

    QComboBox* m_first;  // ComboBox1, the table row
    QComboBox* m_second; // ComboBox2, the table column
};
