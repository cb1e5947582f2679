// The composition root: the main window, the windows it opens, each made when it is first
// needed, and the one place that connects them.
#pragma once

#include "app/DesignWindows.h"
#include "app/ReferenceDialogRecord.h"
#include "design/DesignState.h"

#include <QPointer>
#include <memory>
#include <vector>

class DesignFileController;
class MessageSink;
class NumberText;
class ReferenceDialog;
class ReportGenerator;
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

class WindowSet : public DesignWindows {
public:
    WindowSet(const NumberText& numbers, MessageSink& sink);
    ~WindowSet() override;

    DesignState& state() { return m_state; }

    // The main window. It owns the others; they go with it.
    TForm1* Form1() const { return m_form1.get(); }
    // The reference dialogs, in the order of their records, each made hidden when first asked.
    const std::vector<ReferenceDialogRecord>& referenceDialogs() const { return m_records; }
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
    // Makes the report when "Отчёт" is pressed.
    ReportGenerator* report();
    // Opens and saves design files for the main window.
    DesignFileController* designFiles() const { return m_designFiles.get(); }

    DesignSnapshot snapshot() const override;
    void restore(const DesignSnapshot& snapshot) override;
    void recalculateTo(int page) override;

private:
    // Opens the reference dialog that fills `label` for the wizard as it stands.
    void openReferenceDialog(int label);

    const NumberText& m_numbers;
    MessageSink& m_sink;
    DesignState m_state;
    std::unique_ptr<TForm1> m_form1;
    std::vector<ReferenceDialogRecord> m_records;
    mutable std::vector<QPointer<ReferenceDialog>> m_dialogs; // by record, empty until made
    mutable QPointer<TForm9> m_form9;
    mutable QPointer<TForm10> m_form10;
    mutable QPointer<TForm11> m_form11;
    QPointer<ReportGenerator> m_report;
    std::unique_ptr<DesignFileController> m_designFiles; // goes before the windows it follows
};
