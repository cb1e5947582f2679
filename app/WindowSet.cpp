#include "app/WindowSet.h"

#include "app/DesignFileController.h"
#include "app/MainWindow.h"
#include "app/ReportGenerator.h"
#include "dialogs/AboutBox.h"
#include "dialogs/ClimaticDialog.h"
#include "dialogs/HorizontalClimaticDialog.h"
#include "dialogs/NormalizedResistanceDialog.h"
#include "dialogs/ProgressWindow.h"
#include "dialogs/StripContourDialog.h"
#include "dialogs/StripRowDialog.h"
#include "dialogs/VerticalContourDialog.h"
#include "dialogs/VerticalRowDialog.h"
#include "single/SingleElectrodeWindow.h"

namespace {
using Label = TForm1::DisplayLabel;

// Shows the values that the dialog hands out in the main window's display label.
void fill(TwoListDialog* dialog, TForm1* main, Label label) {
    QObject::connect(dialog, &TwoListDialog::valueChosen, main,
                     [main, label](const QString& text) { main->setDisplayLabel(label, text); });
}
} // namespace

WindowSet::WindowSet(const NumberText& numbers, MessageSink& sink)
    : m_form1(std::make_unique<TForm1>(m_state, numbers, sink)) {
    TForm1* main = m_form1.get();
    m_form2 = new TForm2(numbers, main);
    m_form3 = new TForm3(numbers, main);
    m_form4 = new TForm4(numbers, main);
    m_form5 = new TForm5(numbers, main);
    m_form6 = new TForm6(numbers, main);
    m_form7 = new TForm7(numbers, main);
    m_form8 = new TForm8(numbers, main);
    m_form9 = new TForm9(main);
    m_form10 = new TForm10(main);
    m_report = new ReportGenerator(m_state, numbers, sink, m_form10, main);
    QObject::connect(main, &TForm1::reportRequested, m_report, &ReportGenerator::Button5Click);
    m_form11 = new TForm11(numbers, sink, main);

    fill(m_form2, main, Label::Label16);
    fill(m_form4, main, Label::Label16);
    fill(m_form3, main, Label::Label26);
    fill(m_form5, main, Label::Label26);
    fill(m_form6, main, Label::Label27);
    QObject::connect(m_form7, &TForm7::coefficientsChosen, main,
                     [main](const QString& vertical, const QString& horizontal) {
                         main->setDisplayLabel(Label::Label29, vertical);
                         main->setDisplayLabel(Label::Label28, horizontal);
                     });
    QObject::connect(m_form8, &TForm8::valueChosen, main,
                     [main](const QString& text) { main->setDisplayLabel(Label::Label28, text); });

    TForm1::Windows opened;
    opened.Form2 = m_form2;
    opened.Form3 = m_form3;
    opened.Form4 = m_form4;
    opened.Form5 = m_form5;
    opened.Form6 = m_form6;
    opened.Form7 = m_form7;
    opened.Form8 = m_form8;
    opened.Form9 = m_form9;
    opened.Form11 = m_form11;
    main->setWindows(opened);

    m_designFiles = std::make_unique<DesignFileController>(*this, numbers, sink);
}

WindowSet::~WindowSet() = default;

DesignSnapshot WindowSet::snapshot() const {
    DesignSnapshot s;
    s.wizard = m_form1->wizardState();
    s.Form2 = m_form2->dialogState();
    s.Form3 = m_form3->dialogState();
    s.Form4 = m_form4->dialogState();
    s.Form5 = m_form5->dialogState();
    s.Form6 = m_form6->dialogState();
    s.Form7 = m_form7->dialogState();
    s.Form8 = m_form8->dialogState();
    return s;
}

void WindowSet::restore(const DesignSnapshot& s) {
    m_form2->restoreDialogState(s.Form2);
    m_form3->restoreDialogState(s.Form3);
    m_form4->restoreDialogState(s.Form4);
    m_form5->restoreDialogState(s.Form5);
    m_form6->restoreDialogState(s.Form6);
    m_form7->restoreDialogState(s.Form7);
    m_form8->restoreDialogState(s.Form8);
    m_form1->restoreWizardState(s.wizard);
}
