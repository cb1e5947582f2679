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
#include "report/ReportGenerator.h"
#include "single/SingleElectrodeWindow.h"

WindowSet::WindowSet(const NumberText& numbers, MessageSink& sink)
    : m_form1(std::make_unique<TForm1>(m_state, numbers, sink)) {
    TForm1* main = m_form1.get();
    Form2 = new TForm2(main->label("Label16"), numbers, main);
    Form3 = new TForm3(main->label("Label26"), numbers, main);
    Form4 = new TForm4(main->label("Label16"), numbers, main);
    Form5 = new TForm5(main->label("Label26"), numbers, main);
    Form6 = new TForm6(main->label("Label27"), numbers, main);
    Form7 = new TForm7(main->label("Label29"), main->label("Label28"), numbers, main);
    Form8 = new TForm8(main->label("Label28"), numbers, main);
    Form9 = new TForm9(main);
    Form10 = new TForm10(main);
    Report = new ReportGenerator(m_state, numbers, sink, Form10, main);
    QObject::connect(main, &TForm1::reportRequested, Report, &ReportGenerator::Button5Click);
    Form11 = new TForm11(numbers, sink, main);
    main->setWindows({Form2, Form3, Form4, Form5, Form6, Form7, Form8, Form9, Form11});
}

WindowSet::~WindowSet() = default;
