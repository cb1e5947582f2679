#include "tests/support/WizardTestBase.h"

#include "tests/support/WindowTest.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTabWidget>
#include <QTest>

void WizardTestBase::initTestCase() {
    windowtest::useProgramFonts();
}

void WizardTestBase::init() {
    m_sink.clear();
    m_windows = std::make_unique<WindowSet>(m_numbers, m_sink);
    m_main = m_windows->Form1();
    m_main->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_main));
}

void WizardTestBase::cleanup() {
    m_windows.reset();
}

int WizardTestBase::page() const {
    return w<QTabWidget>("PageControl1")->currentIndex();
}

void WizardTestBase::type(const char* edit, const QString& text) {
    auto* e = w<QLineEdit>(edit);
    e->clear();
    e->setFocus();
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, e, Qt::Key_unknown, QString(c), {});
}

void WizardTestBase::pickText(const char* combo, const QString& item) {
    auto* box = w<QComboBox>(combo);
    box->setCurrentIndex(box->findText(item));
}
