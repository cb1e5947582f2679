// A whole design through the wizard window: typed, picked, computed to the results page.
#include "app/MainWindow.h"
#include "app/WindowSet.h"
#include "base/NumberText.h"
#include "tests/support/WindowTest.h"
#include "tests/support/WizardTestBase.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

using windowtest::click;
using windowtest::hover;

class WizardTest : public WizardTestBase {
    Q_OBJECT

private:
    QString text(const char* label) const { return w<QLabel>(label)->text(); }

private slots:
    void wholeDesignReachesTheResults() {
        enterSite();
        QCOMPARE(page(), 1);
        enterElectrodes();
        QVERIFY(w<QPushButton>("Button3")->isEnabled());
        click(w("Button3"));
        QCOMPARE(m_sink.errors, QStringList());
        QCOMPARE(m_sink.messages, QStringList());
        QCOMPARE(page(), 2);
        QCOMPARE(
            text("Label17"),
            QStringLiteral("Удельный расчётный коэффициент сопротивления грунта = 51,8  Ом*м ;"));
        QCOMPARE(text("Label18"),
                 QStringLiteral("Сопротивление одного вертикального заземлителя = 15,8  Ом ;"));
        QCOMPARE(text("Label19"),
                 QStringLiteral("Предполагаемое количество вертикальных заземлителей = 7  шт ;"));
        QCOMPARE(text("Label20"),
                 QStringLiteral("Предполагаемая длина горизонтального заземлителя = 30  м ;"));
        QCOMPARE(text("Label21"),
                 QStringLiteral("Сопротивление горизонтального заземлителя = 11,6  Ом ;"));
        QCOMPARE(text("Label22"), QStringLiteral("Полное сопротивление заземлителей = 4,8  Ом ;"));
        QCOMPARE(text("Label23"),
                 QStringLiteral("Уточнённое количество вертикальных заземлителей с учётом"));
        QCOMPARE(text("Label24"), QStringLiteral("соединительной полосы = 5,0  шт ;"));
        QCOMPARE(text("Label25"),
                 QStringLiteral("Принимаем к установке  6 вертикальных заземлителей ."));
        QCOMPARE(text("Label32"),
                 QStringLiteral("Уточнённая длина горизонтального заземлителя = 25 м;"));
    }

    void anErrorKeepsPageTwoAndTheResults() {
        enterSite();
        enterElectrodes();
        click(w("Button3"));
        const QString before = text("Label17");
        click(w("Button4"));
        QCOMPARE(page(), 1);
        type("Edit11", "5.5");
        click(w("Button3"));
        QCOMPARE(m_sink.errors, QStringList{"'5.5' is not a valid floating point value."});
        QCOMPARE(page(), 1);
        QCOMPARE(text("Label17"), before);
        QCOMPARE(m_windows->state().StripWidthMm, 40);
    }

    void aFaultShowsItsMessage() {
        enterSite();
        enterElectrodes();
        type("Edit8", "0");
        click(w("Button3"));
        QCOMPARE(m_sink.errors, QStringList{"Floating point division by zero."});
        QCOMPARE(page(), 1);
        QVERIFY(text("Label17").isEmpty());
    }

    // Picking another material after the pointer last passed over the size box still counts.
    void lastPickedMaterialCounts() {
        enterSite();
        enterElectrodes();
        pickText("ComboBox1", QStringLiteral("Круглого сечения"));
        type("Edit8", "16");
        click(w("Button3"));
        QCOMPARE(page(), 2);
        QCOMPARE(m_windows->state().ElectrodeMaterial, ElectrodeMaterial::RoundSection);
        QCOMPARE(m_windows->state().RoundDiameterMm, 16);
        QCOMPARE(text("Label9"), QStringLiteral("Диаметр электрода, мм"));
        QCOMPARE(text("Label25"),
                 QStringLiteral("Принимаем к установке  7 вертикальных заземлителей ."));
    }

    void unpickedSelectorsAreNamed() {
        enterSite();
        enterElectrodes();
        w<QComboBox>("ComboBox2")->setEditText(QStringLiteral("Звездой"));
        m_windows->state().ElectrodeArrangement = ElectrodeArrangement::None;
        click(w("Button3"));
        QCOMPARE(m_sink.messages,
                 QStringList{"Выберите расположение и материал вертикальных заземлителей"});
        QCOMPARE(page(), 1);
        QCOMPARE(m_windows->state().AngleFlangeWidthMm, 0); // nothing was read
    }

    void unpickedSoilIsNamed() {
        enterSite();
        click(w("Button2"));
        m_sink.clear();
        DesignState& s = m_windows->state();
        s.UpperResistivity = 0;
        w<QComboBox>("ComboBox3")->setEditText(QStringLiteral("Болото-30"));
        type("Edit5", "4");
        click(w("Button1"));
        QCOMPARE(m_sink.messages, QStringList{"Выберите грунт верхнего и нижнего слоя"});
        QCOMPARE(page(), 0);
        QCOMPARE(s.UpperLayerThickness, 4.0); // stored before the page stayed
    }

    // Going back to the site page and changing it leaves the results alone until page 2 runs.
    void siteChangesWaitForTheElectrodePage() {
        enterSite();
        enterElectrodes();
        click(w("Button3"));
        const double rhoEq = m_windows->state().EquivalentResistivity;
        const QString line = text("Label17");
        w<QTabWidget>("PageControl1")->setCurrentIndex(0);
        pickText("ComboBox3", QStringLiteral("Глина-60"));
        click(w("Button1"));
        QCOMPARE(page(), 1);
        QCOMPARE(m_windows->state().UpperResistivity, 60.0);
        QCOMPARE(m_windows->state().EquivalentResistivity, rhoEq);
        QCOMPARE(text("Label17"), line);
    }
};

QTEST_MAIN(WizardTest)
#include "WizardTest.moc"
