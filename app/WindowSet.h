// The composition root: the main window, the windows it opens, each made when it is first
// needed, and the one place that connects them.
#pragma once

#include "design/Design.h"

#include <QPointer>
#include <memory>
#include <vector>

class DesignFileController;
class MessageSink;
class NumberText;
class ProjectDataDialog;
class VariantSearchWindow;
class ReferenceDialog;
class ReferenceDialogs;
class ReportGenerator;
class SchemeWindow;
class SoilMeasurementDialog;
class SoilFileDialogs;
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

class WindowSet {
public:
    WindowSet(const NumberText& numbers, MessageSink& sink);
    ~WindowSet();

    // The design that every window edits and shows.
    Design& design() { return m_design; }
    DesignState& state() { return m_design.state(); }

    // The main window. It owns the others; they go with it.
    TForm1* Form1() const { return m_form1.get(); }
    // The reference dialogs, in the order of their records (referenceDialogRecords()), each made
    // hidden when first asked.
    ReferenceDialog* referenceDialog(std::size_t index) const;
    // The other windows, made when first asked for.
    TForm2* Form2() const;
    TForm3* Form3() const;
    TForm4* Form4() const;
    TForm5* Form5() const;
    TForm6* Form6() const;
    TForm7* Form7() const;
    TForm8* Form8() const;
    TForm9* Form9() const;
    TForm10* Form10() const;
    TForm11* Form11() const;
    // The scheme of the earthing device; it shows the design of page 3 from when it is made.
    SchemeWindow* schemeWindow();
    // The soil measured on the site; "Применить" puts it into page 1.
    SoilMeasurementDialog* soilWindow();
    // The project data of the design ("Данные проекта").
    ProjectDataDialog* projectDataWindow();
    // The search for variants of the earthing device; "Применить" takes the chosen one to page 3.
    VariantSearchWindow* variantWindow();
    // The file dialogs in which the soil window picks its files.
    void setSoilFileDialogs(std::unique_ptr<SoilFileDialogs> dialogs);
    // Makes the report when "Отчёт" is pressed, and exports it as a PDF on Ctrl+E.
    ReportGenerator* report();
    // From now on, fills the report ahead of "Отчёт" whenever page 3 shows a design that has
    // changed, and again after each report (see ReportGenerator::prepareAhead).
    void prepareReportsAhead();
    // Opens and saves design files for the main window.
    DesignFileController* designFiles() const { return m_designFiles.get(); }

private:
    const NumberText& m_numbers;
    MessageSink& m_sink;
    Design m_design;
    // The file dialogs of the soil window: none (as if cancelled) until set; the window asks
    // them through the forwarder, which goes after the windows that use it.
    std::unique_ptr<SoilFileDialogs> m_soilFiles;
    std::unique_ptr<SoilFileDialogs> m_soilFilesForwarder;
    std::unique_ptr<TForm1> m_form1;
    std::unique_ptr<ReferenceDialogs> m_dialogs;
    mutable QPointer<TForm9> m_form9;
    mutable QPointer<TForm10> m_form10;
    mutable QPointer<TForm11> m_form11;
    QPointer<SchemeWindow> m_scheme;
    QPointer<SoilMeasurementDialog> m_soil;
    QPointer<ProjectDataDialog> m_projectData;
    QPointer<VariantSearchWindow> m_variants;
    QPointer<ReportGenerator> m_report;
    std::unique_ptr<DesignFileController> m_designFiles; // goes before the windows it follows
};
