// The wizard window: start-up, key filters, enabling rules, refreshes, pages and error boxes.
#include "app/MainWindow.h"
#include "app/WindowSet.h"
#include "base/NumberText.h"
#include "calc/SiteStage.h"
#include "design/Selectors.h"
#include "dialogs/AboutBox.h"
#include "dialogs/ClimaticDialog.h"
#include "dialogs/HorizontalClimaticDialog.h"
#include "dialogs/NormalizedResistanceDialog.h"
#include "single/SingleElectrodeWindow.h"
#include "tables/ListItems.h"
#include "tables/SoilTable.h"
#include "tests/support/WindowTest.h"
#include "tests/support/WizardTestBase.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

using windowtest::click;
using windowtest::hover;

class MainWindowTest : public WizardTestBase {
    Q_OBJECT

private:
    void pick(const char* combo, int position) { w<QComboBox>(combo)->setCurrentIndex(position); }
    void fillSitePage() {
        pick("ComboBox3", 7);
        pick("ComboBox4", 7);
        handOver(&WizardState::Label29, QStringLiteral("1,35"));
        handOver(&WizardState::Label28, QStringLiteral("2,5"));
        handOver(&WizardState::Label27, QStringLiteral("4"));
        type("Edit5", QStringLiteral("3"));
        type("Edit6", QStringLiteral("0,8"));
    }

private slots:
    // The other windows are made when first needed, hidden, over the main window.
    void startsWithOnlyTheMainWindowShown() {
        QCOMPARE(m_main->windowTitle(), QStringLiteral("Корвела v1.1"));
        const auto windows = [this] {
            QStringList names;
            for (QObject* child : m_main->children()) {
                auto* window = qobject_cast<QWidget*>(child);
                if (window && window->isWindow()) {
                    names << window->objectName();
                    if (window->isVisible())
                        names << QStringLiteral("shown");
                }
            }
            return names;
        };
        QCOMPARE(windows(), QStringList());
        m_windows->Form2(), m_windows->Form3(), m_windows->Form4(), m_windows->Form5();
        m_windows->Form6(), m_windows->Form7(), m_windows->Form8(), m_windows->Form9();
        m_windows->Form10(), m_windows->Form11();
        QCOMPARE(windows(), QStringList({"TForm2", "TForm3", "TForm4", "TForm5", "TForm6", "TForm7",
                                         "TForm8", "TForm9", "TForm10", "TForm11"}));

        QCOMPARE(page(), 0);
        QVERIFY(!w<QPushButton>("Button1")->isEnabled());
        QVERIFY(!w<QPushButton>("Button3")->isEnabled());
        for (const char* label : {"Label16", "Label26", "Label27", "Label28", "Label29"})
            QVERIFY(w<QLabel>(label)->text().isEmpty());
        QCOMPARE(w<QComboBox>("ComboBox3")->count(), 18);
        QCOMPARE(w<QComboBox>("ComboBox3")->itemText(4), QStringLiteral("Кокс-2,5"));
        QCOMPARE(w<QComboBox>("ComboBox3")->currentText(), QString());
    }

    // The lists hold the items that the core knows them by (design files check positions
    // against them).
    void listsHoldTheCoresItems() {
        const auto items = [this](const char* name) {
            QStringList texts;
            auto* box = w<QComboBox>(name);
            for (int i = 0; i < box->count(); ++i)
                texts << box->itemText(i);
            return texts;
        };
        QStringList soils;
        for (const Soil& soil : kSoils)
            soils << QString::fromUtf16(soil.item);
        QCOMPARE(items("ComboBox3"), soils);
        QCOMPARE(items("ComboBox4"), soils);
        QCOMPARE(items("ComboBox2"), QStringList({QString::fromUtf16(kArrangementItems[0]),
                                                  QString::fromUtf16(kArrangementItems[1])}));
        QCOMPARE(items("ComboBox1"), QStringList({QString::fromUtf16(kMaterialItems[0]),
                                                  QString::fromUtf16(kMaterialItems[1])}));
    }

    void displayLabelsLookTheirPart() {
        for (const char* name : {"Label16", "Label26", "Label27", "Label28", "Label29"}) {
            auto* label = w<QLabel>(name);
            QCOMPARE(label->size(), QSize(57, 21));
            QCOMPARE(label->alignment(), Qt::AlignCenter);
            QCOMPARE(label->cursor().shape(), Qt::PointingHandCursor);
            QCOMPARE(label->palette().color(label->backgroundRole()), QColor(Qt::lightGray));
        }
    }

    // Every caption is whole: its text fits its label, and the label ends before the control
    // beside it.
    void captionsAreWhole() {
        for (auto* label : m_main->findChildren<QLabel*>()) {
            if (label->text().isEmpty())
                continue;
            QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <= label->width(),
                     qPrintable(label->objectName()));
            QVERIFY2(label->fontInfo().family() == QStringLiteral("Liberation Sans"),
                     qPrintable(label->fontInfo().family()));
        }
        for (auto* button : m_main->findChildren<QPushButton*>())
            QVERIFY2(button->sizeHint().width() <= button->width(),
                     qPrintable(button->objectName()));
    }

    void keyFilters_data() {
        QTest::addColumn<QString>("edit");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("kept");
        const QString all = QStringLiteral("12,5.7-a ф+e\x03\x16");
        for (const char* e : {"Edit5", "Edit6", "Edit9", "Edit11"})
            QTest::newRow(e) << QString::fromLatin1(e) << all << QStringLiteral("12,5.7");
        for (const char* e : {"Edit8", "Edit10"})
            QTest::newRow(e) << QString::fromLatin1(e) << all << QStringLiteral("1257");
    }

    void keyFilters() {
        QFETCH(QString, edit);
        QFETCH(QString, typed);
        QFETCH(QString, kept);
        type(edit.toLatin1().constData(), typed);
        QCOMPARE(w<QLineEdit>(edit.toLatin1().constData())->text(), kept);
        // Backspace always passes.
        QTest::keyClick(w(edit.toLatin1().constData()), Qt::Key_Backspace);
        QCOMPARE(w<QLineEdit>(edit.toLatin1().constData())->text(), kept.chopped(1));
    }

    void enterMovesTheFocus_data() {
        QTest::addColumn<QString>("edit");
        QTest::addColumn<QString>("next");
        QTest::newRow("Edit5") << "Edit5"
                               << "Edit6";
        QTest::newRow("Edit6") << "Edit6"
                               << "Edit6";
        QTest::newRow("Edit8") << "Edit8"
                               << "Edit9";
        QTest::newRow("Edit9") << "Edit9"
                               << "Edit10";
        QTest::newRow("Edit10") << "Edit10"
                                << "Edit11";
        QTest::newRow("Edit11") << "Edit11"
                                << "Edit11";
    }

    void enterMovesTheFocus() {
        QFETCH(QString, edit);
        QFETCH(QString, next);
        const bool sitePage = edit == QStringLiteral("Edit5") || edit == QStringLiteral("Edit6");
        if (!sitePage)
            w<QTabWidget>("PageControl1")->setCurrentIndex(1);
        auto* e = w<QLineEdit>(edit.toLatin1().constData());
        e->setText(QStringLiteral("1"));
        e->setFocus();
        QTest::keyClick(e, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget()->objectName(), next);
        QCOMPARE(e->text(), QStringLiteral("1"));
    }

    void sitePageButtonNeedsThePointerOverTheArea() {
        auto* next = w<QPushButton>("Button1");
        fillSitePage();
        handOver(&WizardState::Label27, QString());
        hover(w("Label30"));
        QVERIFY(!next->isEnabled()); // one text still empty
        handOver(&WizardState::Label27, QStringLiteral("4"));
        QVERIFY(!next->isEnabled()); // filled, but the pointer has not crossed the area
        hover(w("Edit5"));
        QVERIFY(!next->isEnabled());
        hover(w("Label30"));
        QVERIFY(next->isEnabled());
        w<QLineEdit>("Edit5")->clear();
        hover(w("Label30"));
        QVERIFY(next->isEnabled()); // never disabled again
    }

    void sitePageButtonTakesTypedComboText() {
        fillSitePage();
        w<QComboBox>("ComboBox3")->setEditText(QStringLiteral("что-то своё"));
        hover(w("Label30"));
        QVERIFY(w<QPushButton>("Button1")->isEnabled());
    }

    void electrodePageButtonNeedsEveryInput() {
        w<QTabWidget>("PageControl1")->setCurrentIndex(1);
        auto* next = w<QPushButton>("Button3");
        pick("ComboBox2", 1);
        pick("ComboBox1", 0);
        for (const char* e : {"Edit8", "Edit9", "Edit10", "Edit11"})
            w<QLineEdit>(e)->setText(QStringLiteral("5"));
        handOver(&WizardState::Label26, QStringLiteral("0,5"));
        hover(w("Label31"));
        QVERIFY(!next->isEnabled());
        handOver(&WizardState::Label16, QStringLiteral("0,65"));
        hover(w("Label31"));
        QVERIFY(next->isEnabled());
    }

    void selectorsFollowThePointer() {
        w<QTabWidget>("PageControl1")->setCurrentIndex(1);
        QCOMPARE(state().ElectrodeArrangement, ElectrodeArrangement::None);
        hover(w("Label26")); // nothing picked: unchanged
        QCOMPARE(state().ElectrodeArrangement, ElectrodeArrangement::None);
        pick("ComboBox2", 0);
        QCOMPARE(state().ElectrodeArrangement, ElectrodeArrangement::None); // a pick alone
        hover(w("Label26"));
        QCOMPARE(state().ElectrodeArrangement, ElectrodeArrangement::Contour);
        pick("ComboBox2", 1);
        hover(w("Label26"));
        QCOMPARE(state().ElectrodeArrangement, ElectrodeArrangement::Row);

        pick("ComboBox1", 0);
        hover(w("Edit8"));
        QCOMPARE(state().ElectrodeMaterial, ElectrodeMaterial::Angle);
        QCOMPARE(w<QLabel>("Label9")->text(), QStringLiteral("Ширина полки уголка, мм"));
        pick("ComboBox1", 1);
        QCOMPARE(state().ElectrodeMaterial, ElectrodeMaterial::Angle);
        hover(w("Edit8"));
        QCOMPARE(state().ElectrodeMaterial, ElectrodeMaterial::RoundSection);
        QCOMPARE(w<QLabel>("Label9")->text(), QStringLiteral("Диаметр электрода, мм"));
        w<QComboBox>("ComboBox1")->setEditText(QStringLiteral("Медь"));
        hover(w("Edit8"));
        QCOMPARE(state().ElectrodeMaterial, ElectrodeMaterial::RoundSection);
        QCOMPARE(w<QLabel>("Label9")->text(), QStringLiteral("Ширина полки уголка, мм"));
    }

    void pagesAndTheTabHeader() {
        auto* tabs = w<QTabWidget>("PageControl1");
        tabs->setCurrentIndex(2);
        w<QPushButton>("Button4")->click();
        QCOMPARE(page(), 1);
        w<QPushButton>("Button2")->click();
        QCOMPARE(page(), 0);
        tabs->setCurrentIndex(2);
        QTabBar* bar = tabs->tabBar();
        QVERIFY(!bar->isTabVisible(1));
        QVERIFY(!bar->isTabVisible(2));
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(0).center());
        QCOMPARE(page(), 0);
        QVERIFY(bar->tabRect(0).width() > 700);
    }

    void windowsOpenFromTheirControls() {
        const struct {
            const char* control;
            QWidget* window;
        } cases[] = {
            {"Label29", m_windows->Form7()},
            {"Label28", m_windows->Form8()},
            {"Label27", m_windows->Form6()},
            {"Button6", m_windows->Form11()},
        };
        for (const auto& c : cases) {
            click(w(c.control));
            QVERIFY2(c.window->isVisible(), c.control);
            c.window->hide();
        }
        w<QTabWidget>("PageControl1")->setCurrentIndex(2);
        click(w("BitBtn1"));
        QVERIFY(m_windows->Form9()->isVisible());
        QCOMPARE(m_windows->Form9()->windowTitle(), QStringLiteral("О программе"));
    }

    void failedPressKeepsWhatItStored() {
        fillSitePage();
        type("Edit5", QStringLiteral("1.5"));
        state().UpperLayerThickness = -1;
        w<QPushButton>("Button1")->setEnabled(true);
        click(w("Button1"));
        QCOMPARE(m_sink.errors, QStringList{"'1.5' is not a valid floating point value."});
        QCOMPARE(page(), 0);
        QCOMPARE(state().UpperResistivity, 40.0);
        QCOMPARE(state().ClimaticCoefHorizontal, 2.5);
        QCOMPARE(state().UpperLayerThickness, -1.0);
    }
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
