// The windows edit and show one design: a design taken up by a fresh set of windows shows there as
// it was entered, and "modified" means the design differs from what was last opened or saved.
#include "app/WindowSet.h"
#include "app/DesignFileController.h"
#include "app/MainWindow.h"
#include "base/NumberText.h"
#include "calc/WennerModel.h"
#include "design/DesignFile.h"
#include "design/MeasuredSoilItems.h"
#include "dialogs/ClimaticDialog.h"
#include "dialogs/HorizontalClimaticDialog.h"
#include "dialogs/NormalizedResistanceDialog.h"
#include "dialogs/SchemeWindow.h"
#include "dialogs/SoilMeasurementDialog.h"
#include "dialogs/StripContourDialog.h"
#include "dialogs/StripRowDialog.h"
#include "dialogs/VariantSearchWindow.h"
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
#include <QTableWidget>
#include <QTemporaryDir>
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
    ws.Form7()->BitBtn1Click();                                              // zone I, type 2
    ws.design().edit([](DesignInputs& d) { d.Form7.selectedZone.reset(); }); // the button cleared
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
    QTemporaryDir m_folder;

    // Opens the design from a file, as "Открыть…" does.
    void open(WindowSet& ws, const DesignInputs& design) {
        const QString path = m_folder.filePath(QStringLiteral("design.korvela"));
        DesignFile::write(path, design, m_numbers);
        QVERIFY(ws.designFiles()->openFile(path));
    }

    // Where the main window and the dialogs show something else than the design; empty when
    // nothing.
    static QString differenceFromDesign(WindowSet& ws) {
        const DesignInputs& d = ws.design().inputs();
        TForm1* main = ws.Form1();
        const std::pair<const char*, QString> boxes[] = {{"ComboBox3", d.wizard.upperSoil.text},
                                                         {"ComboBox4", d.wizard.lowerSoil.text},
                                                         {"ComboBox2", d.wizard.arrangement.text},
                                                         {"ComboBox1", d.wizard.material.text}};
        for (const auto& [name, text] : boxes) {
            if (part<QComboBox>(main, name)->currentText() != text)
                return QString::fromLatin1(name);
        }
        const std::pair<const char*, QString> edits[] = {
            {"Edit5", d.wizard.Edit5}, {"Edit6", d.wizard.Edit6},   {"Edit8", d.wizard.Edit8},
            {"Edit9", d.wizard.Edit9}, {"Edit10", d.wizard.Edit10}, {"Edit11", d.wizard.Edit11}};
        for (const auto& [name, text] : edits) {
            if (part<QLineEdit>(main, name)->text() != text)
                return QString::fromLatin1(name);
        }
        const std::pair<ReferenceDialog*, const TwoListDialogState*> lists[] = {
            {ws.Form2(), &d.Form2},
            {ws.Form3(), &d.Form3},
            {ws.Form4(), &d.Form4},
            {ws.Form5(), &d.Form5},
            {ws.Form6(), &d.Form6}};
        for (const auto& [dialog, state] : lists) {
            if (part<QComboBox>(dialog, "ComboBox1")->currentText() != state->firstText ||
                part<QComboBox>(dialog, "ComboBox2")->currentText() != state->secondText ||
                part<QPushButton>(dialog, "BitBtn1")->isEnabled() != state->okEnabled)
                return dialog->objectName();
        }
        for (const auto& [dialog, state] :
             {std::pair<ReferenceDialog*, const ZoneDialogState*>{ws.Form7(), &d.Form7},
              {ws.Form8(), &d.Form8}}) {
            for (int zone = 0; zone < 4; ++zone) {
                const QByteArray name = QStringLiteral("RadioButton%1").arg(zone + 1).toLatin1();
                if (part<QRadioButton>(dialog, name.constData())->isChecked() !=
                    (state->selectedZone == zone))
                    return dialog->objectName();
            }
        }
        return {};
    }

private slots:
    void initTestCase() { windowtest::useProgramFonts(); }
    void init() { m_sink.clear(); }

    // A design entered in one set of windows and taken up by another, as a file opens: the
    // windows made later show it, the selectors come from the picks, and every dialog confirmed
    // again, as left, hands out the same values in both sets (their remembered rows, zones and
    // values came over too).
    void freshWindowsShowTheDesign_data() {
        QTest::addColumn<int>("design");
        QTest::addColumn<int>("page");
        QTest::newRow("untouched") << 0 << 0;
        QTest::newRow("row, results") << 1 << 2;
        QTest::newRow("contour, typed values") << 2 << 1;
    }
    void freshWindowsShowTheDesign() {
        QFETCH(int, design);
        QFETCH(int, page);
        WindowSet original(m_numbers, m_sink);
        if (design == 1)
            rowOfAnglesOnResults(original);
        else if (design == 2)
            contourDesignWithTypedValues(original);
        QVERIFY2(m_sink.errors.isEmpty(), qPrintable(m_sink.errors.join('\n')));
        const DesignInputs saved = original.design().inputs();
        QCOMPARE(saved.wizard.page, page);
        QCOMPARE(differenceFromDesign(original), QString());

        WindowSet restored(m_numbers, m_sink);
        restored.design().replace(saved);
        QVERIFY(restored.design().inputs() == saved);
        QCOMPARE(differenceFromDesign(restored), QString());
        QCOMPARE(restored.state().ElectrodeArrangement, original.state().ElectrodeArrangement);
        QCOMPARE(restored.state().ElectrodeMaterial, original.state().ElectrodeMaterial);
        QCOMPARE(part<QLabel>(restored.Form1(), "Label9")->text(),
                 part<QLabel>(original.Form1(), "Label9")->text());

        for (WindowSet* ws : {&original, &restored}) {
            for (ReferenceDialog* dialog : std::initializer_list<ReferenceDialog*>{
                     ws->Form2(), ws->Form3(), ws->Form4(), ws->Form5(), ws->Form6(), ws->Form7(),
                     ws->Form8()}) {
                if (part<QPushButton>(dialog, "BitBtn1")->isEnabled())
                    dialog->BitBtn1Click();
            }
        }
        QVERIFY(restored.design().inputs() == original.design().inputs());
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
        SoilMeasurementDialog* soil = ws.soilWindow();
        holdReadings(ws, readings, m_numbers);
        QSignalSpy changed(&ws.design(), &Design::changed);
        soil->apply();
        QCOMPARE(changed.count(), 1);
        const std::optional<MeasuredSoil> applied = ws.design().inputs().wizard.measuredSoil;
        QVERIFY(applied);
        QCOMPARE(applied->model, thickness > 0 ? SoilModel::TwoLayer : SoilModel::Uniform);
        const MeasuredSoilItems items = measuredSoilItems(*applied, m_numbers);
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
        QCOMPARE(ws.design().inputs().wizard.page, 2);
        QVERIFY(ws.design().results());

        WindowSet restored(m_numbers, m_sink);
        restored.design().replace(ws.design().inputs());
        QCOMPARE(part<QComboBox>(restored.Form1(), "ComboBox3")->currentText(), items.upperText);
        QCOMPARE(part<QComboBox>(restored.Form1(), "ComboBox3")->count(), 19);
        const auto* table = part<QTableWidget>(restored.soilWindow(), "readingsTable");
        QCOMPARE(table->rowCount(), static_cast<int>(readings.size()));
        QCOMPARE(table->item(5, 0)->text(), QStringLiteral("10"));
    }

    // A change made and undone by hand leaves the design as it was; what the program writes, the
    // pages shown and the buttons the pointer enables are no change of it.
    void modifiedIsADifferenceFromTheFile() {
        WindowSet ws(m_numbers, m_sink);
        TForm1* main = ws.Form1();
        main->show();
        QVERIFY(QTest::qWaitForWindowExposed(main));
        open(ws, ws.design().inputs()); // the title marks a change
        QSignalSpy changed(&ws.design(), &Design::changed);

        auto* edit5 = part<QLineEdit>(main, "Edit5");
        edit5->setFocus();
        QTest::keyClicks(edit5, QStringLiteral("2"));
        QVERIFY(main->isWindowModified());
        QTest::keyClick(edit5, Qt::Key_Backspace);
        QVERIFY(!main->isWindowModified());
        QCOMPARE(changed.count(), 2);

        QTest::keyClicks(part<QComboBox>(main, "ComboBox3")->lineEdit(), QStringLiteral("x"));
        QVERIFY(main->isWindowModified());
        QTest::keyClick(part<QComboBox>(main, "ComboBox3")->lineEdit(), Qt::Key_Backspace);
        QVERIFY(!main->isWindowModified());
        auto* soil = part<QComboBox>(main, "ComboBox4");
        soil->setFocus();
        QTest::keyClick(soil, Qt::Key_Down);
        QVERIFY(main->isWindowModified());
        useTwoLists(ws.Form6(), kKind, QStringLiteral("380/220")); // writes Label27
        const int afterLabel = static_cast<int>(changed.count());
        useTwoLists(ws.Form6(), kKind, QStringLiteral("380/220")); // the value shown: no change
        QCOMPARE(changed.count(), afterLabel);

        // Opened: what the program does then is no edit.
        open(ws, ws.design().inputs());
        QVERIFY(!main->isWindowModified());
        edit5->setText(QStringLiteral("3"));
        QVERIFY(main->isWindowModified());
        edit5->setText(QString());
        main->Label30MouseMove();
        main->Button1Click(); // no site yet: page 1 stays, with its message
        main->Button6Click();
        QVERIFY(!main->isWindowModified());
    }

    // δ and δп and the soil readings belong to the design: taken up without a change, and
    // changed by the engineer as any input; no window is made to hold them.
    void windowInputsAreTheDesigns() {
        WindowSet ws(m_numbers, m_sink);
        DesignInputs saved = ws.design().inputs();
        saved.scheme = {6, 3};
        saved.soilMeasurements.rows = {{"1", "20"}, {"2", "10"}};
        open(ws, saved);
        QVERIFY(!ws.Form1()->findChild<SchemeWindow*>());
        QVERIFY(!ws.Form1()->findChild<SoilMeasurementDialog*>());
        QCOMPARE(part<QSpinBox>(ws.schemeWindow(), "AngleWall")->value(), 6);
        QVERIFY(!ws.Form1()->isWindowModified());
        part<QSpinBox>(ws.schemeWindow(), "StripThickness")->setValue(5);
        QVERIFY(ws.Form1()->isWindowModified());
        QCOMPARE(ws.design().inputs().scheme, (SteelThickness{6, 5}));
        part<QSpinBox>(ws.schemeWindow(), "StripThickness")->setValue(3);
        QVERIFY(!ws.Form1()->isWindowModified());

        QCOMPARE(part<QTableWidget>(ws.soilWindow(), "readingsTable")->rowCount(), 2);
        QVERIFY(!ws.Form1()->isWindowModified());
        ws.soilWindow()->addRow();
        QVERIFY(ws.Form1()->isWindowModified());
    }

    // "Подбор…" opens once the site is computed, and "Применить" takes the chosen variant to
    // page 3, whose results are then the row's.
    void appliedVariantIsPageThree() {
        WindowSet ws(m_numbers, m_sink);
        auto* button = part<QPushButton>(ws.Form1(), "VariantButton");
        QVERIFY(!button->isEnabled());
        rowOfAnglesOnResults(ws);
        open(ws, ws.design().inputs()); // from its file: the stages run again, nothing modified
        QVERIFY(!ws.Form1()->isWindowModified());
        QVERIFY(button->isEnabled());
        button->click();
        auto* window = ws.Form1()->findChild<VariantSearchWindow*>();
        QVERIFY(window && window->isVisible());
        auto* table = part<QTableWidget>(window, "variantsTable");
        QTRY_VERIFY(table->rowCount() > 1);
        table->selectRow(1);
        const double count = m_numbers.readDecimal(table->item(1, 4)->text());
        const QString resistance = table->item(1, 6)->text();
        part<QPushButton>(window, "applyButton")->click();
        QVERIFY2(m_sink.errors.isEmpty() && m_sink.messages.isEmpty(),
                 qPrintable((m_sink.errors + m_sink.messages).join('\n')));
        QCOMPARE(ws.design().inputs().wizard.page, 2);
        QVERIFY(ws.design().results());
        QCOMPARE(ws.design().results()->RefinedCount, count);
        QCOMPARE(m_numbers.fixed2(*ws.design().results()->CheckInstallationResistance), resistance);
        QVERIFY(ws.Form1()->isWindowModified());
        QVERIFY(window->isVisible());
    }
};

QTEST_MAIN(WindowSetTest)
#include "WindowSetTest.moc"
