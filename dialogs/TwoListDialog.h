// A reference dialog that looks a value up by two lists: a heading, two captioned lists and OK.
#pragma once

#include "dialogs/ReferenceDialog.h"

class QComboBox;
class QLabel;

class TwoListDialog : public ReferenceDialog {
    Q_OBJECT
public:
    struct Look {
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

    // What the dialog remembers of a design, and the display label it hands its value over to.
    using Remembered = TwoListDialogState DesignInputs::*;
    using Target = QString WizardState::*;

    TwoListDialog(const Look& look, Design& design, Remembered remembered, Target target,
                  QWidget* parent);

    // Enables OK once both lists hold text, picked or typed; nothing disables it again.
    void FormMouseMove() override;

protected:
    const TwoListDialogState& remembered() const { return m_design.inputs().*m_remembered; }
    // The remembered row and value after a confirmation, and the value as the display label shows
    // it, handed over in one change of the design.
    void handOver(std::optional<int> row, double value, const QString& text);
    void showDesign() override;

    QComboBox* m_first;  // ComboBox1, the table row
    QComboBox* m_second; // ComboBox2, the table column

private:
    Remembered m_remembered;
    Target m_target;
};
