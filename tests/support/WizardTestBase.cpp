#include "tests/support/WizardTestBase.h"

#include "tests/support/WindowTest.h"

#include <QComboBox>
#include <QLabel>
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

void WizardTestBase::handOver(QString WizardState::*label, const QString& text) {
    m_windows->design().edit([&](DesignInputs& d) { d.wizard.*label = text; });
}

void WizardTestBase::pickText(const char* combo, const QString& item) {
    auto* box = w<QComboBox>(combo);
    box->setCurrentIndex(box->findText(item));
}

void WizardTestBase::enterSite() {
    using windowtest::click;
    using windowtest::hover;
    pickText("ComboBox3", QStringLiteral("Садовая земля-40"));
    pickText("ComboBox4", QStringLiteral("Садовая земля-40"));
    handOver(&WizardState::Label29, QStringLiteral("1,35"));
    handOver(&WizardState::Label28, QStringLiteral("2,5"));
    handOver(&WizardState::Label27, QStringLiteral("4"));
    type("Edit5", "3");
    type("Edit6", "0,8");
    hover(w("Label30"));
    click(w("Button1"));
}

void WizardTestBase::enterElectrodes(const QString& material) {
    using windowtest::hover;
    pickText("ComboBox2", QStringLiteral("В ряд"));
    pickText("ComboBox1", material);
    type("Edit8", "60");
    type("Edit9", "2,5");
    type("Edit10", "40");
    type("Edit11", "5");
    handOver(&WizardState::Label26, QStringLiteral("0,5"));
    handOver(&WizardState::Label16, QStringLiteral("0,65"));
    hover(w("Label26"));
    hover(w("Edit8"));
    hover(w("Label31"));
}
