// The main window opens the reference dialogs, and they write its display labels.
#include "app/MainWindow.h"
#include "app/ReferenceDialogRecord.h"
#include "app/WindowSet.h"
#include "base/NumberText.h"
#include "dialogs/ClimaticDialog.h"
#include "dialogs/HorizontalClimaticDialog.h"
#include "dialogs/NormalizedResistanceDialog.h"
#include "dialogs/StripContourDialog.h"
#include "dialogs/StripRowDialog.h"
#include "dialogs/VerticalContourDialog.h"
#include "dialogs/VerticalRowDialog.h"
#include "tests/dialogs/DialogTest.h"
#include "tests/support/WindowTest.h"
#include "tests/support/WizardTestBase.h"

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

class DialogOpeningTest : public WizardTestBase {
    Q_OBJECT

    template <class W> static W* part(QWidget* dialog, const char* name) {
        return dialog->findChild<W*>(QString::fromLatin1(name));
    }
    QList<QWidget*> dialogs() const {
        return {m_windows->Form2(), m_windows->Form3(), m_windows->Form4(), m_windows->Form5(),
                m_windows->Form6(), m_windows->Form7(), m_windows->Form8()};
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
    void init() {
        WizardTestBase::init();
        w<QTabWidget>("PageControl1")->setCurrentIndex(1);
    }

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
        auto* box = w<QComboBox>("ComboBox2");
        if (typed)
            box->setEditText(arrangement);
        else if (!arrangement.isEmpty())
            pick(box, arrangement);

        click(w("Label16"));
        QWidget* shown = visibleDialog();
        QVERIFY(shown);
        QCOMPARE(shown->objectName(), vertical);
        shown->hide();
        click(w("Label26"));
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
        w<QTabWidget>("PageControl1")->setCurrentIndex(0);
        auto* clicked = w(label.toLatin1().constData());
        QCOMPARE(clicked->cursor().shape(), Qt::PointingHandCursor);
        click(clicked);
        QWidget* shown = visibleDialog();
        QVERIFY(shown);
        QCOMPARE(shown->objectName(), dialog);
    }

    // Each record opens its dialog from its label while the wizard allows it: the records alone
    // decide which dialog a label opens.
    void everyRecordOpensFromItsLabel() {
        const std::vector<ReferenceDialogRecord> records = referenceDialogRecords();
        QCOMPARE(records.size(), std::size_t(7));
        const char* labels[] = {"Label29", "Label28", "Label27", "Label16", "Label26"};
        for (const char* arrangement : {"В ряд", "По контуру"}) {
            pick(w<QComboBox>("ComboBox2"), QString::fromUtf8(arrangement));
            const WizardState wizard = m_windows->design().inputs().wizard;
            for (std::size_t i = 0; i < records.size(); ++i) {
                if (!records[i].mayOpen(wizard))
                    continue;
                const int label = int(records[i].opener);
                w<QTabWidget>("PageControl1")
                    ->setCurrentIndex(label < 3 ? 0 : 1); // site, electrodes
                click(w(labels[label]));
                QVERIFY2(visibleDialog() == m_windows->referenceDialog(i),
                         qPrintable(QStringLiteral("%1, record %2").arg(arrangement).arg(i)));
                visibleDialog()->hide();
            }
        }
    }

    // Modeless and centred over the main window; the main window takes input meanwhile.
    void dialogsAreModelessAndCentred() {
        m_main->move(140, 90);
        w<QTabWidget>("PageControl1")->setCurrentIndex(0);
        click(w("Label27"));
        QWidget* dialog = m_windows->Form6();
        QVERIFY(dialog->isVisible());
        QVERIFY(!dialog->isModal());
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
        const QPoint offset = dialog->frameGeometry().center() - m_main->frameGeometry().center();
        // centred to the pixel, rounding aside
        QVERIFY2(qAbs(offset.x()) <= 2 && qAbs(offset.y()) <= 2,
                 qPrintable(QString("%1,%2").arg(offset.x()).arg(offset.y())));

        auto* edit = w<QLineEdit>("Edit5");
        QTest::mouseClick(edit, Qt::LeftButton);
        QTest::keyClicks(edit, "3");
        QCOMPARE(edit->text(), QStringLiteral("3"));
        QVERIFY(dialog->isVisible());
    }

    // A second click brings back the same window as it was left, and writes nothing itself.
    void reopeningBringsTheSameWindowBack() {
        w<QTabWidget>("PageControl1")->setCurrentIndex(0);
        click(w("Label29"));
        QWidget* dialog = m_windows->Form7();
        part<QRadioButton>(dialog, "RadioButton2")->setChecked(true);
        dialogtest::type(part<QComboBox>(dialog, "ComboBox1"), "abc");
        moveTo(dialog, kClimaticFreeSurface);
        dialog->hide();
        click(w("Label29"));
        QVERIFY(dialog->isVisible());
        QVERIFY(part<QRadioButton>(dialog, "RadioButton2")->isChecked());
        QCOMPARE(part<QComboBox>(dialog, "ComboBox1")->currentText(), QStringLiteral("abc"));
        QVERIFY(part<QPushButton>(dialog, "BitBtn1")->isEnabled());
        QCOMPARE(w<QLabel>("Label29")->text(), QString());
        QCOMPARE(w<QLabel>("Label28")->text(), QString());
    }
};

QTEST_MAIN(DialogOpeningTest)
#include "DialogOpeningTest.moc"
