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
namespace Ui {
class TForm1;
}

class TForm1 : public QWidget {
    Q_OBJECT
public:
    // The read-only display labels through which the dialogs hand their values over.
    enum class DisplayLabel { Label29, Label28, Label27, Label16, Label26 };

    TForm1(DesignState& state, const NumberText& numbers, MessageSink& sink,
           QWidget* parent = nullptr);
    ~TForm1() override;

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

    // Whether page 3 shows the results of the design: since the last successful "Далее>>" of
    // the electrode page, unless a wizard state was taken up after it.
    bool showsResults() const { return m_showsResults; }

    // Runs the stages of the "Далее>>" presses that lead from the site page to `page` (1: the
    // site stage, 2: then the electrode stage), each with its messages and going on to the next
    // page when it succeeds, as the presses themselves do.
    void recalculateTo(int page);

    // "Применить" of the soil measurements: each soil list gains, or has updated, the item of the
    // measured soil at its end and picks it, and a two-layer soil writes its H into Edit5; a
    // change of the design.
    void applyMeasuredSoil(const MeasuredSoil& soil);

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
    void SchemeButtonClick();
    void SoilButtonClick();
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
    // A display label was clicked: the reference dialog that fills it is to be opened.
    void displayLabelClicked(DisplayLabel label);
    // "Расчёт одиночного заземлителя" and the About button were pressed.
    void singleElectrodeRequested();
    void aboutRequested();
    // "Отчёт" was pressed.
    void reportRequested();
    // "Экспорт отчёта в PDF…" (Ctrl+E) was asked for on page 3, the only page with a report.
    void reportPdfRequested();
    // The engineer changed an input, a pick or a display label.
    void designEdited();
    // A design file is to be opened ("Открыть…", Ctrl+O), the design saved to its file
    // ("Сохранить…", Ctrl+S) or saved under a new name (Ctrl+Shift+S).
    void openRequested();
    void saveRequested();
    void saveAsRequested();
    // Page 3 opened with the results of the design stored in the design state.
    void resultsShown();
    // "Схема…" was pressed.
    void schemeRequested();
    // "Замеры грунта…" was pressed.
    void soilMeasurementsRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The stages behind the two "Далее>>" buttons; each returns whether its next page opened.
    bool runSitePage();
    bool runElectrodePage();
    // The check of the installed system, under the results.
    void showVerdict();
    void showPage(int index);
    void enableWhenFilled(QWidget* button, std::initializer_list<const QWidget*> inputs);
    QLabel* displayLabel(DisplayLabel which) const;
    // Puts the items of m_measuredSoil at the end of both soil lists, or takes them away when
    // there is none.
    void showMeasuredItems();

    std::unique_ptr<Ui::TForm1> m_ui;
    DesignState& m_state;
    const NumberText& m_numbers;
    MessageSink& m_sink;
    KeyFilter* m_keys;
    bool m_showsResults = false;
    std::optional<MeasuredSoil> m_measuredSoil; // the one applied last
};
