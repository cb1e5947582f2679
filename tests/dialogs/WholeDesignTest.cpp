// A whole design entered through the windows alone, from the site page to the results.
#include "app/MainWindow.h"
#include "app/WindowSet.h"
#include "base/NumberText.h"
#include "dialogs/ClimaticDialog.h"
#include "dialogs/NormalizedResistanceDialog.h"
#include "dialogs/StripContourDialog.h"
#include "dialogs/StripRowDialog.h"
#include "dialogs/VerticalContourDialog.h"
#include "dialogs/VerticalRowDialog.h"
#include "tests/dialogs/DialogTest.h"
#include "tests/support/WindowTest.h"
#include "tests/support/WizardTestBase.h"

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

class WholeDesignTest : public WizardTestBase {
    Q_OBJECT

    template <class W> static W* part(QWidget* dialog, const char* name) {
        return dialog->findChild<W*>(QString::fromLatin1(name));
    }
    QWidget* currentPage() const { return w<QTabWidget>("PageControl1")->currentWidget(); }

    // Types into an edit box of the main window key by key, through its key filter.
    void typeInto(const char* edit, const QString& text) {
        auto* e = w<QLineEdit>(edit);
        e->setFocus();
        for (const QChar c : text)
            QTest::sendKeyEvent(QTest::Click, e, Qt::Key_unknown, QString(c), {});
    }
    // Opens a two-list dialog by a click on the label, picks both items and presses OK.
    void fromTwoLists(const char* label, const QString& dialogName, const QString& first,
                      const QString& second) {
        click(w(label));
        auto* dialog = m_main->findChild<QWidget*>(dialogName);
        QVERIFY(dialog && dialog->isVisible());
        pick(part<QComboBox>(dialog, "ComboBox1"), first);
        pick(part<QComboBox>(dialog, "ComboBox2"), second);
        moveTo(dialog, kTwoListFreeSurface);
        QTest::mouseClick(part<QPushButton>(dialog, "BitBtn1"), Qt::LeftButton);
        QVERIFY(dialog->isHidden());
    }

private slots:

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
        pick(w<QComboBox>("ComboBox3"), "Суглинок-80");
        pick(w<QComboBox>("ComboBox4"), "Песок-500");
        click(w("Label29"));
        QWidget* climatic = m_windows->Form7();
        QVERIFY(climatic->isVisible());
        QTest::mouseClick(part<QRadioButton>(climatic, "RadioButton2"), Qt::LeftButton);
        pick(part<QComboBox>(climatic, "ComboBox1"),
             "Длинна электродов 5 м и глубина заложения их вершины 0,7-0,8 м ");
        moveTo(climatic, kClimaticFreeSurface);
        QTest::mouseClick(part<QPushButton>(climatic, "BitBtn1"), Qt::LeftButton);
        QVERIFY(climatic->isHidden());
        QCOMPARE(w<QLabel>("Label29")->text(), QStringLiteral("1,25"));
        QCOMPARE(w<QLabel>("Label28")->text(), QStringLiteral("4"));

        fromTwoLists("Label27", "TForm6", "Рабочее заземление нулевой точки трансформатора ",
                     "380/220");
        QCOMPARE(w<QLabel>("Label27")->text(), QStringLiteral("4"));

        typeInto("Edit5", "2");
        typeInto("Edit6", "0,7");
        hover(w("Label30"));
        QVERIFY(w<QPushButton>("Button1")->isEnabled());
        click(w("Button1"));
        QCOMPARE(currentPage(), w("TabSheet2"));

        // Page 2: arrangement, material, sizes, spacing and the two utilization coefficients.
        pick(w<QComboBox>("ComboBox2"), arrangement);
        pick(w<QComboBox>("ComboBox1"), "Уголок");
        typeInto("Edit8", "50");
        typeInto("Edit9", "2,5");
        typeInto("Edit10", "40");
        typeInto("Edit11", "5");
        fromTwoLists("Label16", verticalDialog, "2", "10");
        fromTwoLists("Label26", stripDialog, "2", "10");
        QCOMPARE(w<QLabel>("Label16")->text(), verticalCoefficient);
        QCOMPARE(w<QLabel>("Label26")->text(), stripCoefficient);
        hover(w("Label31"));
        QVERIFY(w<QPushButton>("Button3")->isEnabled());
        click(w("Button3"));

        // Page 3: the results, computed from what the dialogs wrote.
        QVERIFY2(m_sink.errors.isEmpty(), qPrintable(m_sink.errors.join('\n')));
        QVERIFY2(m_sink.messages.isEmpty(), qPrintable(m_sink.messages.join('\n')));
        QCOMPARE(currentPage(), w("TabSheet3"));
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
            QVERIFY2(!w<QLabel>(line)->text().isEmpty(), line);
    }
};

QTEST_MAIN(WholeDesignTest)
#include "WholeDesignTest.moc"
