// The main window: the three-page design wizard.
#pragma once

#include "design/DesignSnapshot.h"
#include "design/DesignState.h"

#include <QPointer>
#include <QWidget>
#include <memory>

class KeyFilter;
class MessageSink;
class NumberText;
class QLabel;
class TForm2;
class TForm3;
class TForm4;
class TForm5;
class TForm6;
class TForm7;
class TForm8;
class TForm9;
class TForm11;
namespace Ui {
class TForm1;
}

class TForm1 : public QWidget {
    Q_OBJECT
public:
    // The windows that the main window opens.
    struct Windows {
        TForm2* Form2 = nullptr;   // utilization, vertical electrodes in a row
        TForm3* Form3 = nullptr;   // utilization, connecting strip in a row
        TForm4* Form4 = nullptr;   // utilization, vertical electrodes along a contour
        TForm5* Form5 = nullptr;   // utilization, connecting strip along a contour
        TForm6* Form6 = nullptr;   // normalized resistance
        TForm7* Form7 = nullptr;   // climatic coefficients
        TForm8* Form8 = nullptr;   // climatic coefficient for horizontal electrodes
        TForm9* Form9 = nullptr;   // About box
        TForm11* Form11 = nullptr; // single-electrode calculator
    };

    // The read-only display labels through which the dialogs hand their values over.
    enum class DisplayLabel { Label29, Label28, Label27, Label16, Label26 };

    TForm1(DesignState& state, const NumberText& numbers, MessageSink& sink,
           QWidget* parent = nullptr);
    ~TForm1() override;

    void setWindows(const Windows& windows);

    // A dialog's value written into its display label; a change of the design.
    void setDisplayLabel(DisplayLabel which, const QString& text);

    // What the engineer typed and picked, the display labels, the two "Далее>>" buttons and the
    // page shown.
    WizardState wizardState() const;
    // Takes up a wizard state: the boxes, edits and display labels, the two "Далее>>" buttons
    // (only ever enabling them), the two selectors of the design state and the electrode size
    // caption as the refreshes set them from the picks, and the page. Runs no stage and is no
    // change by the engineer.
    void restoreWizardState(const WizardState& state);

    // Handlers.
    void Button1Click();
    void Button2Click();
    void Button3Click();
    void Button4Click();
    void Button5Click();
    void Button6Click();
    void BitBtn1Click();
    void OpenButtonClick();
    void SaveButtonClick();
    void Label16Click();
    void Label26Click();
    void Label27Click();
    void Label28Click();
    void Label29Click();
    void Label26MouseMove();
    void Label30MouseMove();
    void Label31MouseMove();
    void Edit8MouseMove();

signals:
    // "Отчёт" was pressed.
    void reportRequested();
    // The engineer changed an input, a pick or a display label.
    void designEdited();
    // A design file is to be opened ("Открыть…", Ctrl+O), the design saved to its file
    // ("Сохранить…", Ctrl+S) or saved under a new name (Ctrl+Shift+S).
    void openRequested();
    void saveRequested();
    void saveAsRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showPage(int index);
    void enableWhenFilled(QWidget* button, std::initializer_list<const QWidget*> inputs);
    QLabel* displayLabel(DisplayLabel which) const;

    std::unique_ptr<Ui::TForm1> m_ui;
    DesignState& m_state;
    const NumberText& m_numbers;
    MessageSink& m_sink;
    KeyFilter* m_keys;
    Windows m_windows;
};
