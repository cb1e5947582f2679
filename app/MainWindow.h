// The main window: the three-page design wizard.
#pragma once

#include "app/DesignState.h"

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
    // The windows that the main window opens.
    struct Windows {
        QWidget* Form2 = nullptr;  // utilization, vertical electrodes in a row
        QWidget* Form3 = nullptr;  // utilization, connecting strip in a row
        QWidget* Form4 = nullptr;  // utilization, vertical electrodes along a contour
        QWidget* Form5 = nullptr;  // utilization, connecting strip along a contour
        QWidget* Form6 = nullptr;  // normalized resistance
        QWidget* Form7 = nullptr;  // climatic coefficients
        QWidget* Form8 = nullptr;  // climatic coefficient for horizontal electrodes
        QWidget* Form9 = nullptr;  // About box
        QWidget* Form11 = nullptr; // single-electrode calculator
    };

    TForm1(DesignState& state, const NumberText& numbers, MessageSink& sink,
           QWidget* parent = nullptr);
    ~TForm1() override;

    void setWindows(const Windows& windows);
    // A display label or result line of the window, by name ("Label16", ...).
    QLabel* label(const char* name) const;

    // Handlers.
    void Button1Click();
    void Button2Click();
    void Button3Click();
    void Button4Click();
    void Button5Click();
    void Button6Click();
    void BitBtn1Click();
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
    // "Отчёт" was pressed.
    void reportRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showPage(int index);
    void enableWhenFilled(QWidget* button, std::initializer_list<const QWidget*> inputs);

    std::unique_ptr<Ui::TForm1> m_ui;
    DesignState& m_state;
    const NumberText& m_numbers;
    MessageSink& m_sink;
    KeyFilter* m_keys;
    Windows m_windows;
};
