// The main window opens the reference dialogs, and they write its display labels.
#include "app/MainWindow.h"
#include "app/NumberText.h"
#include "app/WindowSet.h"
#include "dialogs/ClimaticDialog.h"
#include "dialogs/HorizontalClimaticDialog.h"
#include "dialogs/NormalizedResistanceDialog.h"
#include "dialogs/StripContourDialog.h"
#include "dialogs/StripRowDialog.h"
#include "dialogs/VerticalContourDialog.h"
#include "dialogs/VerticalRowDialog.h"
#include "tests/dialogs/DialogTest.h"
#include "tests/support/RecordingSink.h"
#include "tests/support/WindowTest.h"

#include <QApplication>
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

class DialogOpeningTest : public QObject {
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
    QList<QWidget*> dialogs() const {
        return {m_windows->Form2, m_windows->Form3, m_windows->Form4, m_windows->Form5,
                m_windows->Form6, m_windows->Form7, m_windows->Form8};
    }
    QWidget* visibleDialog() const {
        QWidget* shown = nullptr;
        for (QWidget* d : dialogs()) {
            if (d->isVisible()) {
                if (shown)
                    return nullptr; // more than one
                shown = d;
            }
        }
        return shown;
    }

private slots:
    void initTestCase() { windowtest::useProgramFonts(); }
    void init() {
        m_windows = std::make_unique<WindowSet>(m_numbers, m_sink);
        m_main = m_windows->Form1();
        m_main->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_main));
        main<QTabWidget>("PageControl1")->setCurrentIndex(1);
    }
    void cleanup() { m_windows.reset(); }

    void startHiddenWithTheMainWindowAsOwner() {
        for (QWidget* d : dialogs()) {
            QVERIFY2(d->isHidden(), qPrintable(d->objectName()));
            QCOMPARE(d->parentWidget(), m_main);
            QVERIFY(d->isWindow());
        }
    }

    // The arrangement picked on page 2 decides between the row and the contour tables; typed
    // text that is no item counts as nothing picked.
    void utilizationLabelsOpenRowOrContour_data() {
        QTest::addColumn<QString>("arrangement");
        QTest::addColumn<bool>("typed");
        QTest::addColumn<QString>("vertical");
        QTest::addColumn<QString>("strip");
        QTest::newRow("nothing picked") << QString() << false << "TForm2"
                                        << "TForm3";
        QTest::newRow("contour") << "По контуру" << false << "TForm4"
                                 << "TForm5";
        QTest::newRow("row") << "В ряд" << false << "TForm2"
                             << "TForm3";
        QTest::newRow("typed, no item") << "По контуру " << true << "TForm2"
                                        << "TForm3";
    }
    void utilizationLabelsOpenRowOrContour() {
        QFETCH(QString, arrangement);
        QFETCH(bool, typed);
        QFETCH(QString, vertical);
        QFETCH(QString, strip);
        auto* box = main<QComboBox>("ComboBox2");
        if (typed)
            box->setEditText(arrangement);
        else if (!arrangement.isEmpty())
            pick(box, arrangement);

        click(main("Label16"));
        QWidget* shown = visibleDialog();
        QVERIFY(shown);
        QCOMPARE(shown->objectName(), vertical);
        shown->hide();
        click(main("Label26"));
        shown = visibleDialog();
        QVERIFY(shown);
        QCOMPARE(shown->objectName(), strip);
    }

    void siteLabelsOpenTheirDialogs_data() {
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("dialog");
        QTest::newRow("Label27") << "Label27"
                                 << "TForm6";
        QTest::newRow("Label29") << "Label29"
                                 << "TForm7";
        QTest::newRow("Label28") << "Label28"
                                 << "TForm8";
    }
    void siteLabelsOpenTheirDialogs() {
        QFETCH(QString, label);
        QFETCH(QString, dialog);
        main<QTabWidget>("PageControl1")->setCurrentIndex(0);
        auto* clicked = main(label.toLatin1().constData());
        QCOMPARE(clicked->cursor().shape(), Qt::PointingHandCursor);
        click(clicked);
        QWidget* shown = visibleDialog();
        QVERIFY(shown);
        QCOMPARE(shown->objectName(), dialog);
    }

    // Modeless and centred over the main window; the main window takes input meanwhile.
    void dialogsAreModelessAndCentred() {
        m_main->move(140, 90);
        main<QTabWidget>("PageControl1")->setCurrentIndex(0);
        click(main("Label27"));
        QWidget* dialog = m_windows->Form6;
        QVERIFY(dialog->isVisible());
        QVERIFY(!dialog->isModal());
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
        const QPoint offset = dialog->frameGeometry().center() - m_main->frameGeometry().center();
        // centred to the pixel, rounding aside
        QVERIFY2(qAbs(offset.x()) <= 2 && qAbs(offset.y()) <= 2,
                 qPrintable(QString("%1,%2").arg(offset.x()).arg(offset.y())));

        auto* edit = main<QLineEdit>("Edit5");
        QTest::mouseClick(edit, Qt::LeftButton);
        QTest::keyClicks(edit, "3");
        QCOMPARE(edit->text(), QStringLiteral("3"));
        QVERIFY(dialog->isVisible());
    }

    // A second click brings back the same window as it was left, and writes nothing itself.
    void reopeningBringsTheSameWindowBack() {
        main<QTabWidget>("PageControl1")->setCurrentIndex(0);
        click(main("Label29"));
        QWidget* dialog = m_windows->Form7;
        part<QRadioButton>(dialog, "RadioButton2")->setChecked(true);
        type(part<QComboBox>(dialog, "ComboBox1"), "abc");
        moveTo(dialog, kClimaticFreeSurface);
        dialog->hide();
        click(main("Label29"));
        QVERIFY(dialog->isVisible());
        QVERIFY(part<QRadioButton>(dialog, "RadioButton2")->isChecked());
        QCOMPARE(part<QComboBox>(dialog, "ComboBox1")->currentText(), QStringLiteral("abc"));
        QVERIFY(part<QPushButton>(dialog, "BitBtn1")->isEnabled());
        QCOMPARE(main<QLabel>("Label29")->text(), QString());
        QCOMPARE(main<QLabel>("Label28")->text(), QString());
    }
};

QTEST_MAIN(DialogOpeningTest)
#include "DialogOpeningTest.moc"
