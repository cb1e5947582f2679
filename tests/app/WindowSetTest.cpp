// What the windows hold of a design, read as a snapshot and taken up by a fresh set of windows,
// and the notice of changes that the engineer makes.
#include "app/WindowSet.h"
#include "app/DesignFileController.h"
#include "app/MainWindow.h"
#include "base/NumberText.h"
#include "calc/WennerModel.h"
#include "design/MeasuredSoilItems.h"
#include "dialogs/ClimaticDialog.h"
#include "dialogs/HorizontalClimaticDialog.h"
#include "dialogs/NormalizedResistanceDialog.h"
#include "dialogs/SchemeWindow.h"
#include "dialogs/SoilMeasurementDialog.h"
#include "dialogs/StripContourDialog.h"
#include "dialogs/StripRowDialog.h"
#include "dialogs/VerticalContourDialog.h"
#include "dialogs/VerticalRowDialog.h"
#include "tests/support/DesignEntry.h"
#include "tests/support/RecordingSink.h"
#include "tests/support/WindowTest.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>

#include <memory>

namespace {
using namespace designentry;

// Dialogs left in unusual states: typed texts that are no items, a zone button cleared after
// its zone was loaded, OK enabled but never pressed; the contour tables; page 2, round section.
void contourDesignWithTypedValues(WindowSet& ws) {
    TForm1* main = ws.Form1();
    enter(main, "ComboBox3", QStringLiteral("Глина-60"));
    enter(main, "ComboBox4", QStringLiteral("Песок-500"));
    selectZone(ws.Form7(), 3);
    enter(ws.Form7(), "ComboBox1", QStringLiteral("5 м"));
    ws.Form7()->FormMouseMove();
    ws.Form7()->BitBtn1Click(); // zone III loaded, no type: the vertical coefficient stays
    selectZone(ws.Form7(), 1);
    enter(ws.Form7(), "ComboBox1", kType2);
    ws.Form7()->BitBtn1Click(); // zone I, type 2
    ws.Form7()->selectZone(std::nullopt);
    selectZone(ws.Form8(), 4);
    ws.Form8()->Panel1MouseMove();
    ws.Form8()->BitBtn1Click();
    useTwoLists(ws.Form6(), kKind, QStringLiteral("380/220"));
    enter(ws.Form6(), "ComboBox2", QStringLiteral("6-10 кВ?"));
    setEdits(main, {{"Edit5", "1,5"}, {"Edit6", "0,5"}});
    main->Label30MouseMove();
    main->Button1Click();
    enter(main, "ComboBox3", QStringLiteral("глина?")); // changed after the stage
    setEdits(main, {{"Edit8", "16"}, {"Edit11", "3"}});
    enter(main, "ComboBox2", QStringLiteral("По контуру"));
    enter(main, "ComboBox1", QStringLiteral("Круглого сечения"));
    main->Label26MouseMove();
    main->Edit8MouseMove();
    useTwoLists(ws.Form4(), QStringLiteral("3"), QStringLiteral("12")); // row 3 remembered
    enter(ws.Form4(), "ComboBox1", QStringLiteral("1"));
    useTwoLists(ws.Form5(), QStringLiteral("1"), QStringLiteral("4"));
    enter(ws.Form5(), "ComboBox2", QStringLiteral("7"));
    useTwoLists(ws.Form3(), QStringLiteral("4"), QStringLiteral(""), false);
}

} // namespace

class WindowSetTest : public QObject {
    Q_OBJECT

    NumberText m_numbers{QLatin1Char(',')};
    RecordingSink m_sink;

    static void compare(const DesignSnapshot& a, const DesignSnapshot& b) {
        QVERIFY(a.wizard == b.wizard);
        QVERIFY(a.Form2 == b.Form2);
        QVERIFY(a.Form3 == b.Form3);
        QVERIFY(a.Form4 == b.Form4);
        QVERIFY(a.Form5 == b.Form5);
        QVERIFY(a.Form6 == b.Form6);
        QVERIFY(a.Form7 == b.Form7);
        QVERIFY(a.Form8 == b.Form8);
        QVERIFY(a.scheme == b.scheme);
    }

private slots:
    void initTestCase() { windowtest::useProgramFonts(); }
    void init() { m_sink.clear(); }

    void restoredWindowsHoldTheSameDesign_data() {
        QTest::addColumn<int>("design");
        QTest::addColumn<int>("page");
        QTest::newRow("untouched") << 0 << 0;
        QTest::newRow("row, results") << 1 << 2;
        QTest::newRow("contour, typed values") << 2 << 1;
    }
    void restoredWindowsHoldTheSameDesign() {
        QFETCH(int, design);
        QFETCH(int, page);
        WindowSet original(m_numbers, m_sink);
        if (design == 1)
            rowOfAnglesOnResults(original);
        else if (design == 2)
            contourDesignWithTypedValues(original);
        QVERIFY2(m_sink.errors.isEmpty(), qPrintable(m_sink.errors.join('\n')));
        const DesignSnapshot saved = original.snapshot();
        QCOMPARE(saved.wizard.page, page);

        WindowSet restored(m_numbers, m_sink);
        QSignalSpy edited(restored.Form1(), &TForm1::designEdited);
        restored.restore(saved);
        compare(restored.snapshot(), saved);
        QCOMPARE(edited.count(), 0);
        QCOMPARE(restored.state().ElectrodeArrangement, original.state().ElectrodeArrangement);
        QCOMPARE(restored.state().ElectrodeMaterial, original.state().ElectrodeMaterial);
        QCOMPARE(part<QLabel>(restored.Form1(), "Label9")->text(),
                 part<QLabel>(original.Form1(), "Label9")->text());

        // Every dialog confirmed again, as left, hands out the same values in both sets: the
        // remembered rows, zones and values came over too.
        for (WindowSet* ws : {&original, &restored}) {
            for (ReferenceDialog* dialog : std::initializer_list<ReferenceDialog*>{
                     ws->Form2(), ws->Form3(), ws->Form4(), ws->Form5(), ws->Form6(), ws->Form7(),
                     ws->Form8()}) {
                if (dialog->okButton()->isEnabled())
                    dialog->BitBtn1Click();
            }
        }
        compare(restored.snapshot(), original.snapshot());
    }

    // "Применить" of the soil measurements fills page 1, the stages read the measured soil, and
    // a fresh set of windows takes up the readings and the items.
    void measuredSoilFillsPageOneAndFollows_data() {
        QTest::addColumn<double>("upper");
        QTest::addColumn<double>("lower");
        QTest::addColumn<double>("thickness");
        QTest::newRow("uniform") << 300.0 << 300.0 << 0.0;
        QTest::newRow("two layers") << 100.0 << 400.0 << 2.0;
    }
    void measuredSoilFillsPageOneAndFollows() {
        QFETCH(double, upper);
        QFETCH(double, lower);
        QFETCH(double, thickness);
        std::vector<WennerReading> readings;
        for (double a : {0.5, 1.0, 2.0, 4.0, 8.0, 10.0}) {
            const double rho =
                wennerApparentResistivity({upper, lower, thickness > 0 ? thickness : 1.0}, a).value;
            readings.push_back({a, rho / (2 * std::numbers::pi * a)});
        }
        WindowSet ws(m_numbers, m_sink);
        rowOfAnglesOnResults(ws);
        TForm1* main = ws.Form1();
        const QString edit5Before = part<QLineEdit>(main, "Edit5")->text();
        QSignalSpy edited(main, &TForm1::designEdited);
        SoilMeasurementDialog* soil = ws.soilWindow();
        soil->setReadings(readings);
        soil->apply();
        QCOMPARE(edited.count(), 1);
        const MeasuredSoil applied = soil->fit()->soil(soil->model(), soil->readings());
        QCOMPARE(applied.model, thickness > 0 ? SoilModel::TwoLayer : SoilModel::Uniform);
        const MeasuredSoilItems items = measuredSoilItems(applied, m_numbers);
        QCOMPARE(part<QComboBox>(main, "ComboBox3")->currentText(), items.upperText);
        QCOMPARE(part<QComboBox>(main, "ComboBox4")->currentText(), items.lowerText);
        QCOMPARE(part<QComboBox>(main, "ComboBox3")->count(), 19);
        QCOMPARE(part<QLineEdit>(main, "Edit5")->text(),
                 thickness > 0 ? items.thicknessText : edit5Before);
        soil->apply(); // again: the items are updated, not added
        QCOMPARE(part<QComboBox>(main, "ComboBox4")->count(), 19);

        main->Button1Click();
        main->Button3Click();
        QVERIFY2(m_sink.errors.isEmpty(), qPrintable(m_sink.errors.join('\n')));
        QCOMPARE(ws.state().UpperResistivity, items.upper);
        QCOMPARE(ws.state().LowerResistivity, items.lower);
        QCOMPARE(ws.state().UpperSoilName, items.upperText);
        QVERIFY(ws.state().MeasuredSoilUsed == applied);
        QCOMPARE(main->wizardState().page, 2);
        QVERIFY(main->showsResults());

        const DesignSnapshot saved = ws.snapshot();
        WindowSet restored(m_numbers, m_sink);
        restored.restore(saved);
        QVERIFY(restored.snapshot() == saved);
        QVERIFY(restored.soilWindow()->readings() == soil->readings());
        QCOMPARE(part<QComboBox>(restored.Form1(), "ComboBox3")->currentText(), items.upperText);
        QCOMPARE(part<QComboBox>(restored.Form1(), "ComboBox3")->count(), 19);
    }

    void editsByTheEngineerAreNoticed() {
        WindowSet ws(m_numbers, m_sink);
        TForm1* main = ws.Form1();
        main->show();
        QVERIFY(QTest::qWaitForWindowExposed(main));
        QSignalSpy edited(main, &TForm1::designEdited);

        auto* edit5 = part<QLineEdit>(main, "Edit5");
        edit5->setFocus();
        QTest::keyClicks(edit5, QStringLiteral("2"));
        QCOMPARE(edited.count(), 1);
        QTest::keyClicks(part<QComboBox>(main, "ComboBox3")->lineEdit(), QStringLiteral("x"));
        QCOMPARE(edited.count(), 2);
        auto* soil = part<QComboBox>(main, "ComboBox4");
        soil->setFocus();
        QTest::keyClick(soil, Qt::Key_Down);
        QCOMPARE(edited.count(), 3);
        useTwoLists(ws.Form6(), kKind, QStringLiteral("380/220")); // writes Label27
        QCOMPARE(edited.count(), 4);
        useTwoLists(ws.Form6(), kKind, QStringLiteral("380/220")); // the value shown: no change
        QCOMPARE(edited.count(), 4);

        // Neither what the program writes nor a restored design is an edit.
        edit5->setText(QStringLiteral("3"));
        main->Label30MouseMove();
        main->Button1Click();
        ws.restore(ws.snapshot());
        QCOMPARE(edited.count(), 4);
    }

    // δ and δп and the soil readings belong to the design: taken up without a change (the window
    // made for them), and changed by the engineer as any input.
    void windowStatesAreTheDesigns() {
        WindowSet ws(m_numbers, m_sink);
        QCOMPARE(ws.snapshot().scheme, SteelThickness{});
        DesignSnapshot saved = ws.snapshot();
        saved.scheme = {6, 3};
        ws.restore(saved);
        QCOMPARE(ws.snapshot().scheme, (SteelThickness{6, 3}));
        QVERIFY(!ws.designFiles()->isModified());
        part<QSpinBox>(ws.schemeWindow(), "StripThickness")->setValue(5);
        QVERIFY(ws.designFiles()->isModified());
        QCOMPARE(ws.snapshot().scheme, (SteelThickness{6, 5}));

        WindowSet readings(m_numbers, m_sink);
        readings.soilWindow()->setReadings({{1, 20}, {2, 10}});
        QVERIFY(!readings.designFiles()->isModified());
        readings.soilWindow()->addRow();
        QVERIFY(readings.designFiles()->isModified());
    }
};

QTEST_MAIN(WindowSetTest)
#include "WindowSetTest.moc"
