// The main window: the three-page design wizard.
#pragma once

#include "design/Design.h"

#include <QPointer>
#include <QWidget>
#include <functional>
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

    // Edits and shows the wizard's part of design; the stages store into its design state.
    TForm1(Design& design, const NumberText& numbers, MessageSink& sink, QWidget* parent = nullptr);
    ~TForm1() override;

    // Runs the stages of the "Далее>>" presses that lead from the site page to `page` (1: the
    // site stage, 2: then the electrode stage), each with its messages and going on to the next
    // page when it succeeds, as the presses themselves do.
    void recalculateTo(int page);

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
    void ProjectButtonClick();
    void VariantButtonClick();
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
    // A design file is to be opened ("Открыть…", Ctrl+O), the design saved to its file
    // ("Сохранить…", Ctrl+S) or saved under a new name (Ctrl+Shift+S).
    void openRequested();
    void saveRequested();
    void saveAsRequested();
    // "Схема…" was pressed.
    void schemeRequested();
    // "Замеры грунта…" was pressed.
    void soilMeasurementsRequested();
    // "Проект…" (Ctrl+Shift+P) was pressed.
    void projectDataRequested();
    // "Подбор…" was pressed.
    void variantSearchRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The stages behind the two "Далее>>" buttons; each returns whether its next page opened.
    bool runSitePage();
    bool runElectrodePage();
    // The check of the installed system, under the results.
    void showVerdict();
    void showPage(int index);
    // What the engineer typed or picked goes into the design.
    void editWizard(const std::function<void(WizardState&)>& change);
    // The pages follow the design: its texts, picks, display labels, buttons and page.
    void showWizard();
    // Puts the items of the applied measured soil at the end of both soil lists, or takes them
    // away when there is none.
    void showMeasuredItems();

    std::unique_ptr<Ui::TForm1> m_ui;
    Design& m_design;
    const NumberText& m_numbers;
    MessageSink& m_sink;
    KeyFilter* m_keys;
    bool m_showing = false; // the pages are being set to what the design holds
};
