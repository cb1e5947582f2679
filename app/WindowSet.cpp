#include "app/WindowSet.h"

#include "app/AboutBox.h"
#include "app/MainWindow.h"
#include "dialogs/ClimaticDialog.h"
#include "dialogs/HorizontalClimaticDialog.h"
#include "dialogs/NormalizedResistanceDialog.h"
#include "dialogs/StripContourDialog.h"
#include "dialogs/StripRowDialog.h"
#include "dialogs/VerticalContourDialog.h"
#include "dialogs/VerticalRowDialog.h"
#include "report/ProgressWindow.h"
#include "single/SingleElectrodeWindow.h"

WindowSet::WindowSet(const NumberText& numbers, MessageSink& sink)
    : m_form1(std::make_unique<TForm1>(m_state, numbers, sink)) {
    TForm1* main = m_form1.get();
    Form2 = new TForm2(main);
    Form3 = new TForm3(main);
    Form4 = new TForm4(main);
    Form5 = new TForm5(main);
    Form6 = new TForm6(main);
    Form7 = new TForm7(main);
    Form8 = new TForm8(main);
    Form9 = new TForm9(main);
    Form10 = new TForm10(main);
    Form11 = new TForm11(numbers, sink, main);
    main->setWindows({Form2, Form3, Form4, Form5, Form6, Form7, Form8, Form9, Form11});
}

WindowSet::~WindowSet() = default;
