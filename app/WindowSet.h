// All windows of the program, created once at start-up in their fixed order, and the one place
// that connects them: each dialog's value goes to the display label of the main window it fills.
#pragma once

#include "design/DesignSnapshot.h"
#include "design/DesignState.h"

#include <memory>

class DesignFileController;
class MessageSink;
class NumberText;
class TForm1;
class TForm2;
class TForm3;
class TForm4;
class TForm5;
class TForm6;
class TForm7;
class TForm8;
class TForm9;
class TForm10;
class TForm11;
class ReportGenerator;

class WindowSet {
public:
    WindowSet(const NumberText& numbers, MessageSink& sink);
    ~WindowSet();

    DesignState& state() { return m_state; }

    // The windows. The main window owns the others; they go with it.
    TForm1* Form1() const { return m_form1.get(); }
    TForm2* Form2() const { return m_form2; }
    TForm3* Form3() const { return m_form3; }
    TForm4* Form4() const { return m_form4; }
    TForm5* Form5() const { return m_form5; }
    TForm6* Form6() const { return m_form6; }
    TForm7* Form7() const { return m_form7; }
    TForm8* Form8() const { return m_form8; }
    TForm9* Form9() const { return m_form9; }
    TForm10* Form10() const { return m_form10; }
    TForm11* Form11() const { return m_form11; }
    // Makes the report when "Отчёт" is pressed.
    ReportGenerator* report() const { return m_report; }
    // Opens and saves design files for the main window.
    DesignFileController* designFiles() const { return m_designFiles.get(); }

    // What the windows hold of the design: the wizard's inputs and every reference dialog.
    DesignSnapshot snapshot() const;
    // Takes up a snapshot in every window; runs no stage and is no change by the engineer.
    void restore(const DesignSnapshot& snapshot);

private:
    DesignState m_state;
    std::unique_ptr<TForm1> m_form1;
    TForm2* m_form2 = nullptr;
    TForm3* m_form3 = nullptr;
    TForm4* m_form4 = nullptr;
    TForm5* m_form5 = nullptr;
    TForm6* m_form6 = nullptr;
    TForm7* m_form7 = nullptr;
    TForm8* m_form8 = nullptr;
    TForm9* m_form9 = nullptr;
    TForm10* m_form10 = nullptr;
    TForm11* m_form11 = nullptr;
    ReportGenerator* m_report = nullptr;
    std::unique_ptr<DesignFileController> m_designFiles; // goes before the windows it follows
};
