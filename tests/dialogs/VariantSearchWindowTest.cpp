// The variant search window: "Применить" writes the design so that the electrode stage gives the
// row's Nу and R, and bad input shows its sentence.
#include "dialogs/VariantSearchWindow.h"
#include "base/NumberText.h"
#include "calc/ElectrodeStage.h"
#include "calc/StageInputs.h"
#include "tests/support/WindowTest.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTest>

#include <memory>

class VariantSearchWindowTest : public QObject {
    Q_OBJECT

    const NumberText m_numbers{QLatin1Char(',')};
    std::unique_ptr<Design> m_design;
    std::unique_ptr<VariantSearchWindow> m_window;

    QTableWidget* table() const { return m_window->findChild<QTableWidget*>("variantsTable"); }

private slots:
    void initTestCase() { windowtest::useProgramFonts(); }

    void init() {
        m_design = std::make_unique<Design>();
        DesignState& s = m_design->state(); // as the site stage leaves a garden soil
        s.UpperResistivity = s.LowerResistivity = 40;
        s.ClimaticCoefVertical = 1.35;
        s.ClimaticCoefHorizontal = 2.5;
        s.UpperLayerThickness = 3;
        s.HorizontalDepth = 0.8;
        s.NormalizedResistance = 4;
        m_window = std::make_unique<VariantSearchWindow>(*m_design, m_numbers);
        m_window->show();
        // The search shown: its counts stand under the table.
        QTRY_VERIFY(!m_window->findChild<QLabel*>("countsLabel")->text().isEmpty());
    }

    void cleanup() {
        m_window.reset();
        m_design.reset();
    }

    void appliedRowIsWhatTheStageComputes_data() {
        QTest::addColumn<int>("row");
        QTest::newRow("lightest") << 0;
        QTest::newRow("fifth") << 4;
        QTest::newRow("last") << 19;
    }

    void appliedRowIsWhatTheStageComputes() {
        QFETCH(int, row);
        QVERIFY(table()->rowCount() > row);
        table()->selectRow(row);
        const double count = m_numbers.readDecimal(table()->item(row, 4)->text());
        const QString resistance = table()->item(row, 6)->text();
        QSignalSpy applied(m_window.get(), &VariantSearchWindow::applied);
        windowtest::click(m_window->findChild<QPushButton*>("applyButton"));
        QCOMPARE(applied.count(), 1);

        DesignState& s = m_design->state();
        QVERIFY(runElectrodeStage(electrodeInputs(m_design->inputs().wizard), m_numbers, s));
        QCOMPARE(s.RefinedCount, count);
        QVERIFY(s.CheckInstallationResistance);
        QCOMPARE(m_numbers.fixed2(*s.CheckInstallationResistance), resistance);
        const DesignInputs& in = m_design->inputs();
        const bool inRow = s.ElectrodeArrangement == ElectrodeArrangement::Row;
        const TwoListDialogState& vertical = inRow ? in.Form2 : in.Form4;
        QCOMPARE(m_numbers.readDecimal(in.wizard.Label16), vertical.value);
        QVERIFY(vertical.okEnabled);
    }

    void badInputShowsItsSentence_data() {
        QTest::addColumn<QString>("edit");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("sentence");
        QTest::newRow("text") << "lengthsEdit"
                              << "2,5; три"
                              << "«три» — не число";
        QTest::newRow("zero") << "maxElectrodesEdit"
                              << "0"
                              << "больше нуля";
        QTest::newRow("empty") << "stripsEdit"
                               << " "
                               << "пуст";
        QTest::newRow("ratio") << "ratiosEdit"
                               << "4"
                               << "возможны 1, 2 и 3";
    }

    void badInputShowsItsSentence() {
        QFETCH(QString, edit);
        QFETCH(QString, text);
        QFETCH(QString, sentence);
        auto* box = m_window->findChild<QLineEdit*>(edit);
        box->setText(text); // as typed: the edit says so
        emit box->textEdited(text);
        QTRY_VERIFY2(m_window->findChild<QLabel*>("messageLabel")->text().contains(sentence),
                     qPrintable(m_window->findChild<QLabel*>("messageLabel")->text()));
        QCOMPARE(table()->rowCount(), 0);
    }
};

QTEST_MAIN(VariantSearchWindowTest)
#include "VariantSearchWindowTest.moc"
