#include "app/WindowSet.h"

#include "app/DesignFileController.h"
#include "app/MainWindow.h"
#include "app/ReferenceDialogs.h"
#include "app/ReportGenerator.h"
#include "dialogs/AboutBox.h"
#include "dialogs/ClimaticDialog.h"
#include "dialogs/HorizontalClimaticDialog.h"
#include "dialogs/NormalizedResistanceDialog.h"
#include "dialogs/ProgressWindow.h"
#include "dialogs/ProjectDataDialog.h"
#include "dialogs/SchemeWindow.h"
#include "dialogs/SoilFileDialogs.h"
#include "dialogs/SoilMeasurementDialog.h"
#include "dialogs/StripContourDialog.h"
#include "dialogs/StripRowDialog.h"
#include "dialogs/VariantSearchWindow.h"
#include "dialogs/VerticalContourDialog.h"
#include "dialogs/VerticalRowDialog.h"
#include "single/SingleElectrodeWindow.h"
#include "widgets/Windows.h"

namespace {
// Hands the soil window's questions on to the file dialogs set, or cancels while there are none.
class ForwardedSoilFileDialogs : public SoilFileDialogs {
public:
    explicit ForwardedSoilFileDialogs(const std::unique_ptr<SoilFileDialogs>& to) : m_to(to) {}
    QString readingsToImport(QWidget* parent) override {
        return m_to ? m_to->readingsToImport(parent) : QString();
    }
    QString plotToSave(QWidget* parent) override {
        return m_to ? m_to->plotToSave(parent) : QString();
    }

private:
    const std::unique_ptr<SoilFileDialogs>& m_to;
};
} // namespace

WindowSet::WindowSet(const NumberText& numbers, MessageSink& sink)
    : m_numbers(numbers), m_sink(sink),
      m_soilFilesForwarder(std::make_unique<ForwardedSoilFileDialogs>(m_soilFiles)),
      m_form1(std::make_unique<TForm1>(m_design, numbers, sink)),
      m_dialogs(std::make_unique<ReferenceDialogs>(m_design, *m_form1, numbers)) {
    TForm1* main = m_form1.get();
    QObject::connect(main, &TForm1::displayLabelClicked, main,
                     [this](TForm1::DisplayLabel label) { m_dialogs->openFor(label); });
    QObject::connect(main, &TForm1::singleElectrodeRequested, main,
                     [this] { showOver(Form11(), m_form1.get()); });
    QObject::connect(main, &TForm1::aboutRequested, main,
                     [this] { showOver(Form9(), m_form1.get()); });
    QObject::connect(main, &TForm1::reportRequested, main, [this] { report()->Button5Click(); });
    QObject::connect(main, &TForm1::reportPdfRequested, main, [this] { report()->exportPdf(); });
    QObject::connect(main, &TForm1::schemeRequested, main,
                     [this] { showOver(schemeWindow(), m_form1.get()); });
    QObject::connect(main, &TForm1::soilMeasurementsRequested, main,
                     [this] { showOver(soilWindow(), m_form1.get()); });
    QObject::connect(main, &TForm1::projectDataRequested, main,
                     [this] { showOver(projectDataWindow(), m_form1.get()); });
    QObject::connect(main, &TForm1::variantSearchRequested, main,
                     [this] { showOver(variantWindow(), m_form1.get()); });

    m_designFiles = std::make_unique<DesignFileController>(
        m_design, [main](int page) { main->recalculateTo(page); }, *main, numbers, sink);
    DesignFileController* files = m_designFiles.get();
    QObject::connect(main, &TForm1::openRequested, files, &DesignFileController::openAsked);
    QObject::connect(main, &TForm1::saveRequested, files, &DesignFileController::save);
    QObject::connect(main, &TForm1::saveAsRequested, files, &DesignFileController::saveAs);
}

WindowSet::~WindowSet() = default;

ReferenceDialog* WindowSet::referenceDialog(std::size_t index) const {
    return m_dialogs->dialog(index);
}

// The records are in the order of the dialogs' numbers, TForm2 first.
TForm2* WindowSet::Form2() const {
    return static_cast<TForm2*>(referenceDialog(0));
}
TForm3* WindowSet::Form3() const {
    return static_cast<TForm3*>(referenceDialog(1));
}
TForm4* WindowSet::Form4() const {
    return static_cast<TForm4*>(referenceDialog(2));
}
TForm5* WindowSet::Form5() const {
    return static_cast<TForm5*>(referenceDialog(3));
}
TForm6* WindowSet::Form6() const {
    return static_cast<TForm6*>(referenceDialog(4));
}
TForm7* WindowSet::Form7() const {
    return static_cast<TForm7*>(referenceDialog(5));
}
TForm8* WindowSet::Form8() const {
    return static_cast<TForm8*>(referenceDialog(6));
}

TForm9* WindowSet::Form9() const {
    if (!m_form9)
        m_form9 = new TForm9(m_form1.get());
    return m_form9;
}

TForm10* WindowSet::Form10() const {
    if (!m_form10)
        m_form10 = new TForm10(m_form1.get());
    return m_form10;
}

TForm11* WindowSet::Form11() const {
    if (!m_form11)
        m_form11 = new TForm11(m_numbers, m_sink, m_form1.get());
    return m_form11;
}

SchemeWindow* WindowSet::schemeWindow() {
    if (!m_scheme)
        m_scheme = new SchemeWindow(m_design, m_numbers, m_sink, m_form1.get());
    return m_scheme;
}

SoilMeasurementDialog* WindowSet::soilWindow() {
    if (!m_soil)
        m_soil = new SoilMeasurementDialog(m_design, m_numbers, m_sink, *m_soilFilesForwarder,
                                           m_form1.get());
    return m_soil;
}

ProjectDataDialog* WindowSet::projectDataWindow() {
    if (!m_projectData)
        m_projectData = new ProjectDataDialog(m_design, m_form1.get());
    return m_projectData;
}

void WindowSet::setSoilFileDialogs(std::unique_ptr<SoilFileDialogs> dialogs) {
    m_soilFiles = std::move(dialogs);
}

ReportGenerator* WindowSet::report() {
    if (!m_report)
        m_report = new ReportGenerator(m_design, m_numbers, m_sink, Form10(), m_form1.get());
    return m_report;
}

void WindowSet::prepareReportsAhead() {
    const auto onResultsPage = [this] {
        if (m_design.inputs().wizard.page == 2)
            report()->prepareAhead();
    };
    QObject::connect(&m_design, &Design::changed, m_form1.get(), onResultsPage);
    onResultsPage();
}

VariantSearchWindow* WindowSet::variantWindow() {
    if (!m_variants) {
        m_variants = new VariantSearchWindow(m_design, m_numbers, m_form1.get());
        // The variant written into page 2 is calculated as "Далее>>" would, and page 3 shows it.
        QObject::connect(m_variants, &VariantSearchWindow::applied, m_form1.get(), [this] {
            m_design.edit([](DesignInputs& d) { d.wizard.button3Enabled = true; });
            m_form1->recalculateTo(2);
        });
    }
    return m_variants;
}
