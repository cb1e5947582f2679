// All windows of the program, created once at start-up in their fixed order.
#pragma once

#include "app/DesignState.h"

#include <memory>

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
    TForm1* Form1() const { return m_form1.get(); }

    // The main window owns the others; they go with it.
    TForm2* Form2 = nullptr;
    TForm3* Form3 = nullptr;
    TForm4* Form4 = nullptr;
    TForm5* Form5 = nullptr;
    TForm6* Form6 = nullptr;
    TForm7* Form7 = nullptr;
    TForm8* Form8 = nullptr;
    TForm9* Form9 = nullptr;
    TForm10* Form10 = nullptr;
    TForm11* Form11 = nullptr;
    // Makes the report when "Отчёт" is pressed.
    ReportGenerator* Report = nullptr;

private:
    DesignState m_state;
    std::unique_ptr<TForm1> m_form1;
};
