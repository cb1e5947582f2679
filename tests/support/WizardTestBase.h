// The base of the tests that drive the wizard: all windows created as at start-up, the main
// window shown, messages recorded, widgets found by name.
#pragma once

#include "app/MainWindow.h"
#include "app/WindowSet.h"
#include "base/NumberText.h"
#include "design/DesignState.h"
#include "tests/support/RecordingSink.h"

#include <QObject>
#include <QString>
#include <memory>

class WizardTestBase : public QObject {
    Q_OBJECT

protected slots:
    void initTestCase();
    void init();
    void cleanup();

protected:
    // A widget of the main window by name; the test stops when there is none.
    template <class W = QWidget> W* w(const char* name) const {
        auto* found = m_main->findChild<W*>(QString::fromLatin1(name));
        if (!found)
            qFatal("no widget %s", name);
        return found;
    }
    int page() const;
    DesignState& state() { return m_windows->state(); }
    // Types text into an edit box character by character, through its key filter.
    void type(const char* edit, const QString& text);
    // A display label written as a reference dialog hands its value over to it.
    void handOver(QString WizardState::*label, const QString& text);
    // Picks the list item with the given text.
    void pickText(const char* combo, const QString& item);
    // Page 1 of the first worked design, then "Далее>>".
    void enterSite();
    // Page 2 of the first worked design; the pointer passes over the selectors' controls and
    // the area that enables "Далее>>".
    void enterElectrodes(const QString& material = QStringLiteral("Уголок"));

    NumberText m_numbers{QLatin1Char(',')};
    RecordingSink m_sink;
    std::unique_ptr<WindowSet> m_windows;
    TForm1* m_main = nullptr;
};
