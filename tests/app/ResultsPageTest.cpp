// The results page: the verdict on the installed system under the results, and the scheme window
// that follows the page.
#include "calc/InstallationVerdict.h"
#include "dialogs/SchemeWindow.h"
#include "tests/support/WindowTest.h"
#include "tests/support/WizardTestBase.h"

#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

using windowtest::click;

class ResultsPageTest : public WizardTestBase {
    Q_OBJECT

private:
    // Page 2 of the worked design with the spacing, L, ηh and ηv given, then "Далее>>".
    void calculate(const QString& length, const QString& spacing, const QString& etaH,
                   const QString& etaV) {
        enterElectrodes();
        type("Edit9", length);
        type("Edit11", spacing);
        handOver(&WizardState::Label26, etaH);
        handOver(&WizardState::Label16, etaV);
        click(w("Button3"));
        QCOMPARE(page(), 2);
        QCOMPARE(m_sink.messages, QStringList());
    }
    // The number of electrodes in the bill of the scheme window.
    static QString billedCount(const SchemeWindow* window) {
        const QTableWidgetItem* item =
            window->findChild<QTableWidget*>(QStringLiteral("BillTable"))->item(0, 3);
        return item ? item->text() : QString();
    }

private slots:
    void verdictUnderTheResults_data() {
        QTest::addColumn<QString>("length");
        QTest::addColumn<QString>("spacing");
        QTest::addColumn<QString>("etaH");
        QTest::addColumn<QString>("etaV");
        QTest::addColumn<int>("outcome");
        QTest::newRow("met") << "2,5"
                             << "5"
                             << "0,5"
                             << "0,65" << int(VerdictOutcome::Meets);
        QTest::newRow("not met") << "2,5"
                                 << "10"
                                 << "0,3"
                                 << "0,2" << int(VerdictOutcome::Fails);
        // A strip of 0,1 m is too short for its formula.
        QTest::newRow("not computable") << "3"
                                        << "0,05"
                                        << "0,9"
                                        << "1" << int(VerdictOutcome::NotComputed);
    }
    void verdictUnderTheResults() {
        QFETCH(QString, length);
        QFETCH(QString, spacing);
        QFETCH(QString, etaH);
        QFETCH(QString, etaV);
        QFETCH(int, outcome);
        enterSite();
        calculate(length, spacing, etaH, etaV);
        const InstallationVerdict verdict = installationVerdict(state(), m_numbers);
        QCOMPARE(int(verdict.outcome), outcome);
        auto* line = w<QLabel>("VerdictLabel");
        QVERIFY(line->isVisible());
        QCOMPARE(line->text(), verdict.text);
        QCOMPARE(line->toolTip(), verdict.toolTip);
        const auto colour = [](const QLabel* label) {
            return label->palette().color(QPalette::WindowText);
        };
        QCOMPARE(colour(line) != colour(w<QLabel>("Label25")),
                 outcome != int(VerdictOutcome::Meets));
    }

    // Made before the first calculation, the window is empty; it follows each calculation.
    void schemeFollowsThePage() {
        SchemeWindow* scheme = m_windows->schemeWindow();
        QVERIFY(!m_windows->design().results());
        QVERIFY(scheme->findChild<QLabel*>(QStringLiteral("EmptyNote"))->isVisibleTo(scheme));
        enterSite();
        calculate(QStringLiteral("2,5"), QStringLiteral("5"), QStringLiteral("0,5"),
                  QStringLiteral("0,65"));
        QVERIFY(m_windows->design().results() == state());
        QVERIFY(!scheme->findChild<QLabel*>(QStringLiteral("EmptyNote"))->isVisibleTo(scheme));
        QCOMPARE(billedCount(scheme), m_numbers.general(state().RefinedCount));
        const double first = state().RefinedCount;

        click(w("Button4"));
        calculate(QStringLiteral("2,5"), QStringLiteral("10"), QStringLiteral("0,3"),
                  QStringLiteral("0,2"));
        QVERIFY(state().RefinedCount != first);
        QCOMPARE(billedCount(scheme), m_numbers.general(state().RefinedCount));
    }

    // Made by "Схема…" after a calculation, the window shows its design at once.
    void schemeOpensWithTheDesignShown() {
        enterSite();
        calculate(QStringLiteral("2,5"), QStringLiteral("5"), QStringLiteral("0,5"),
                  QStringLiteral("0,65"));
        click(w<QPushButton>("SchemeButton"));
        SchemeWindow* scheme = m_windows->schemeWindow();
        QVERIFY(scheme->isVisible());
        QCOMPARE(billedCount(scheme), m_numbers.general(state().RefinedCount));
    }
};

QTEST_MAIN(ResultsPageTest)
#include "ResultsPageTest.moc"
