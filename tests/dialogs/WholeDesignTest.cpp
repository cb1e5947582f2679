// A whole design entered through the windows alone, from the site page to the results.
#include "app/MainWindow.h"
#include "app/NumberText.h"
#include "app/WindowSet.h"
#include "dialogs/ClimaticDialog.h"
#include "dialogs/NormalizedResistanceDialog.h"
#include "dialogs/StripContourDialog.h"
#include "dialogs/StripRowDialog.h"
#include "dialogs/VerticalContourDialog.h"
#include "dialogs/VerticalRowDialog.h"
#include "tests/dialogs/DialogTest.h"
#include "tests/support/RecordingSink.h"
#include "tests/support/WindowTest.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>

#include <memory>

using namespace dialogtest;
using windowtest::click;
using windowtest::hover;

class WholeDesignTest : public QObject {
    Q_OBJECT

    const NumberText m_numbers{QLatin1Char(',')};
    RecordingSink m_sink;
    std::unique_ptr<WindowSet> m_windows;
    TForm1* m_main = nullptr;

    template <class W = QWidget> W* main(const char* name) const {
        auto* found = m_main->findChild<W*>(QString::fromLatin1(name));
        if (!found)
            qFatal("no widget %s", name);
        return found;
    }
    template <class W> static W* part(QWidget* dialog, const char* name) {
        return dialog->findChild<W*>(QString::fromLatin1(name));
    }
    QWidget* currentPage() const { return main<QTabWidget>("PageControl1")->currentWidget(); }

    // Types into an edit box of the main window key by key, through its key filter.
    void typeInto(const char* edit, const QString& text) {
        auto* e = main<QLineEdit>(edit);
        e->setFocus();
        for (const QChar c : text)
            QTest::sendKeyEvent(QTest::Click, e, Qt::Key_unknown, QString(c), {});
    }
    // Opens a two-list dialog by a click on the label, picks both items and presses OK.
    void fromTwoLists(const char* label, QWidget* dialog, const QString& first,
                      const QString& second) {
        click(main(label));
        QVERIFY(dialog->isVisible());
        pick(part<QComboBox>(dialog, "ComboBox1"), first);
        pick(part<QComboBox>(dialog, "ComboBox2"), second);
        moveTo(dialog, kTwoListFreeSurface);
        QTest::mouseClick(part<QPushButton>(dialog, "BitBtn1"), Qt::LeftButton);
        QVERIFY(dialog->isHidden());
    }

private slots:
    void initTestCase() { windowtest::useProgramFonts(); }
    void init() {
        m_windows = std::make_unique<WindowSet>(m_numbers, m_sink);
        m_main = m_windows->Form1();
        m_main->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_main));
    }
    void cleanup() { m_windows.reset(); }

    void designToTheResults_data() {
        QTest::addColumn<QString>("arrangement");
        QTest::addColumn<QString>("verticalDialog");
        QTest::addColumn<QString>("stripDialog");
        QTest::addColumn<QString>("verticalCoefficient");
        QTest::addColumn<QString>("stripCoefficient");
        QTest::newRow("row") << "В ряд"
                             << "TForm2"
                             << "TForm3"
                             << "0,745"
                             << "0,75";
        QTest::newRow("contour") << "По контуру"
                                 << "TForm4"
                                 << "TForm5"
                                 << "0,685"
                                 << "0,4";
    }
    void designToTheResults() {
        QFETCH(QString, arrangement);
        QFETCH(QString, verticalDialog);
        QFETCH(QString, stripDialog);
        QFETCH(QString, verticalCoefficient);
        QFETCH(QString, stripCoefficient);

        // Page 1: the soils, the climatic coefficients, the normalized resistance, the depths.
        pick(main<QComboBox>("ComboBox3"), "Суглинок-80");
        pick(main<QComboBox>("ComboBox4"), "Песок-500");
        click(main("Label29"));
        QWidget* climatic = m_windows->Form7;
        QVERIFY(climatic->isVisible());
        QTest::mouseClick(part<QRadioButton>(climatic, "RadioButton2"), Qt::LeftButton);
        pick(part<QComboBox>(climatic, "ComboBox1"),
             "Длинна электродов 5 м и глубина заложения их вершины 0,7-0,8 м ");
        moveTo(climatic, kClimaticFreeSurface);
        QTest::mouseClick(part<QPushButton>(climatic, "BitBtn1"), Qt::LeftButton);
        QVERIFY(climatic->isHidden());
        QCOMPARE(main<QLabel>("Label29")->text(), QStringLiteral("1,25"));
        QCOMPARE(main<QLabel>("Label28")->text(), QStringLiteral("4"));

        fromTwoLists("Label27", m_windows->Form6,
                     "Рабочее заземление нулевой точки трансформатора ", "380/220");
        QCOMPARE(main<QLabel>("Label27")->text(), QStringLiteral("4"));

        typeInto("Edit5", "2");
        typeInto("Edit6", "0,7");
        hover(main("Label30"));
        QVERIFY(main<QPushButton>("Button1")->isEnabled());
        click(main("Button1"));
        QCOMPARE(currentPage(), main("TabSheet2"));

        // Page 2: arrangement, material, sizes, spacing and the two utilization coefficients.
        pick(main<QComboBox>("ComboBox2"), arrangement);
        pick(main<QComboBox>("ComboBox1"), "Уголок");
        typeInto("Edit8", "50");
        typeInto("Edit9", "2,5");
        typeInto("Edit10", "40");
        typeInto("Edit11", "5");
        QWidget* vertical = m_main->findChild<QWidget*>(verticalDialog);
        QWidget* strip = m_main->findChild<QWidget*>(stripDialog);
        fromTwoLists("Label16", vertical, "2", "10");
        fromTwoLists("Label26", strip, "2", "10");
        QCOMPARE(main<QLabel>("Label16")->text(), verticalCoefficient);
        QCOMPARE(main<QLabel>("Label26")->text(), stripCoefficient);
        hover(main("Label31"));
        QVERIFY(main<QPushButton>("Button3")->isEnabled());
        click(main("Button3"));

        // Page 3: the results, computed from what the dialogs wrote.
        QVERIFY2(m_sink.errors.isEmpty(), qPrintable(m_sink.errors.join('\n')));
        QVERIFY2(m_sink.messages.isEmpty(), qPrintable(m_sink.messages.join('\n')));
        QCOMPARE(currentPage(), main("TabSheet3"));
        const DesignState& s = m_windows->state();
        QCOMPARE(s.UpperResistivity, 80.0);
        QCOMPARE(s.LowerResistivity, 500.0);
        QCOMPARE(s.ClimaticCoefVertical, 1.25);
        QCOMPARE(s.ClimaticCoefHorizontal, 4.0);
        QCOMPARE(s.NormalizedResistance, 4);
        QCOMPARE(s.UtilizationVertical, m_numbers.readDecimal(verticalCoefficient));
        QCOMPARE(s.UtilizationHorizontal, m_numbers.readDecimal(stripCoefficient));
        QCOMPARE(s.ElectrodeArrangement, arrangement == QStringLiteral("В ряд")
                                             ? ElectrodeArrangement::Row
                                             : ElectrodeArrangement::Contour);
        QVERIFY(s.RefinedCount >= 1);
        for (const char* line : {"Label17", "Label18", "Label19", "Label20", "Label21", "Label22",
                                 "Label24", "Label25", "Label32"})
            QVERIFY2(!main<QLabel>(line)->text().isEmpty(), line);
    }
};

QTEST_MAIN(WholeDesignTest)
#include "WholeDesignTest.moc"
