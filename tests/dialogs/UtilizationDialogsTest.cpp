// The four utilization coefficient dialogs as the engineer uses them.
#include "base/NumberText.h"
#include "dialogs/StripContourDialog.h"
#include "dialogs/StripRowDialog.h"
#include "dialogs/VerticalContourDialog.h"
#include "dialogs/VerticalRowDialog.h"
#include "tests/dialogs/DialogTest.h"
#include "tests/support/WindowTest.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <memory>

using namespace dialogtest;

namespace {
const QPoint kFreeSurface = kTwoListFreeSurface;
const QPoint kOverOk(376, 132);              // on BitBtn1
const QPoint kOverCaption(30, 62);           // on Label2
const QPoint kOverHeading(368, 20);          // on Label1
const QString kTyped = QStringLiteral("12"); // an electrode number that is no item

// The dialog, over a design of its own.
std::unique_ptr<UtilizationDialog> makeDialog(const QString& name, Design& design,
                                              const NumberText& numbers) {
    if (name == QLatin1String("TForm2"))
        return std::make_unique<TForm2>(design, numbers);
    if (name == QLatin1String("TForm3"))
        return std::make_unique<TForm3>(design, numbers);
    if (name == QLatin1String("TForm4"))
        return std::make_unique<TForm4>(design, numbers);
    return std::make_unique<TForm5>(design, numbers);
}

// The display label a dialog hands its coefficient to.
QString WizardState::*targetOf(const QString& name) {
    return name == QLatin1String("TForm2") || name == QLatin1String("TForm4")
               ? &WizardState::Label16
               : &WizardState::Label26;
}
} // namespace

class UtilizationDialogsTest : public QObject {
    Q_OBJECT

    const NumberText m_numbers{QLatin1Char(',')};
    std::unique_ptr<Design> m_design;
    std::unique_ptr<ShownLabel> m_targetLabel;
    std::unique_ptr<UtilizationDialog> m_dialog;
    ShownLabel& target() { return *m_targetLabel; }

    QComboBox* ratio() const { return m_dialog->findChild<QComboBox*>("ComboBox1"); }
    QComboBox* count() const { return m_dialog->findChild<QComboBox*>("ComboBox2"); }
    QPushButton* ok() const { return m_dialog->findChild<QPushButton*>("BitBtn1"); }

    void open(const QString& name) {
        m_dialog.reset();
        m_design = std::make_unique<Design>();
        m_targetLabel = std::make_unique<ShownLabel>(*m_design, targetOf(name));
        m_dialog = makeDialog(name, *m_design, m_numbers);
        showAndWait(m_dialog.get());
    }
    // Picks or types both boxes, passes the pointer over the free surface and presses OK.
    void confirm() {
        moveTo(m_dialog.get(), kFreeSurface);
        QVERIFY(ok()->isEnabled());
        QTest::mouseClick(ok(), Qt::LeftButton);
    }

    static void addDialogs() {
        QTest::addColumn<QString>("name");
        for (const char* name : {"TForm2", "TForm3", "TForm4", "TForm5"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }

private slots:
    void initTestCase() { windowtest::useProgramFonts(); }
    void cleanup() { m_dialog.reset(); }

    void windowAsDesigned_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("heading");
        QTest::addColumn<QString>("numberCaption");
        QTest::addColumn<QStringList>("numbers");
        QTest::addColumn<int>("listLeft");
        const QString vTitle = "Выбор коэффициента использования вертикальных электродов";
        const QString vHeading =
            "Коэффициент использования вертикальных электродов без учёта полосы связи";
        const QString sTitle = "Выбор коэффициента использования соединительной полосы";
        const QString sHeading = "Коэффициент использования соединительной полосы для заземлителей";
        QTest::newRow("TForm2") << "TForm2" << vTitle << vHeading << "Число вертикальных электродов"
                                << QStringList{"2", "3", "5", "10", "15", "20"} << 552;
        QTest::newRow("TForm3") << "TForm3" << sTitle << sHeading
                                << "Число вертикальных электродов в ряду"
                                << QStringList{"4", "5", "8", "10", "20", "30", "50", "65"} << 544;
        QTest::newRow("TForm4") << "TForm4" << vTitle << vHeading << "Число вертикальных электродов"
                                << QStringList{"4", "6", "10", "20", "40", "60", "100"} << 552;
        QTest::newRow("TForm5") << "TForm5" << sTitle << sHeading
                                << "Число вертикальных электродов в контуре"
                                << QStringList{"4", "5", "8", "10", "20", "30", "50", "70", "100"}
                                << 552;
    }
    void windowAsDesigned() {
        QFETCH(QString, name);
        QFETCH(QString, title);
        QFETCH(QString, heading);
        QFETCH(QString, numberCaption);
        QFETCH(QStringList, numbers);
        QFETCH(int, listLeft);
        open(name);
        QCOMPARE(m_dialog->objectName(), name);
        QCOMPARE(m_dialog->windowTitle(), title);
        QCOMPARE(m_dialog->size(), QSize(737, 156));
        QCOMPARE(m_dialog->minimumSize(), m_dialog->maximumSize());
        QVERIFY(!(m_dialog->windowFlags() & Qt::WindowCloseButtonHint));
        QVERIFY(!(m_dialog->windowFlags() & Qt::WindowSystemMenuHint));
        QVERIFY(!m_dialog->isModal());
        QCOMPARE(m_dialog->font().family(), QStringLiteral("MS Sans Serif"));
        QCOMPARE(m_dialog->font().pointSize(), 8);

        auto* label1 = m_dialog->findChild<QLabel*>("Label1");
        QCOMPARE(label1->text(), heading);
        QCOMPARE(label1->geometry(), QRect(0, 8, 737, 25));
        QCOMPARE(label1->font().pointSize(), 12);
        QVERIFY(label1->font().bold());
        QVERIFY(label1->sizeHint().width() <= 737); // the whole heading is seen
        auto* label2 = m_dialog->findChild<QLabel*>("Label2");
        QCOMPARE(label2->text(),
                 QStringLiteral("Отношение расстояния между электродами к их длинне"));
        QCOMPARE(label2->pos(), QPoint(16, 56));
        auto* label3 = m_dialog->findChild<QLabel*>("Label3");
        QCOMPARE(label3->text(), numberCaption);
        QCOMPARE(label3->pos(), QPoint(16, 88));
        for (QLabel* caption : {label2, label3}) {
            QCOMPARE(caption->font().pointSize(), 10);
            QVERIFY(caption->font().bold());
            QVERIFY(caption->geometry().right() < listLeft); // caption and list do not overlap
        }

        QCOMPARE(ratio()->geometry().topLeft(), QPoint(listLeft, 56));
        QCOMPARE(count()->geometry().topLeft(), QPoint(listLeft, 88));
        QCOMPARE(ratio()->width(), 129);
        QCOMPARE(count()->width(), 129);
        QStringList ratios, counts;
        for (int i = 0; i < ratio()->count(); ++i)
            ratios << ratio()->itemText(i);
        for (int i = 0; i < count()->count(); ++i)
            counts << count()->itemText(i);
        QCOMPARE(ratios, (QStringList{"1", "2", "3"}));
        QCOMPARE(counts, numbers);
        for (QComboBox* box : {ratio(), count()}) {
            QVERIFY(box->isEditable());
            QCOMPARE(box->currentText(), QString());
            QCOMPARE(box->currentIndex(), -1);
        }

        QCOMPARE(ok()->text(), QStringLiteral("OK"));
        QVERIFY(!ok()->icon().isNull());
        QCOMPARE(ok()->geometry(), QRect(320, 120, 113, 25));
        QVERIFY(ok()->isDefault());
        QVERIFY(!ok()->isEnabled());
    }

    // The examples of the tables, and their corners, through the window.
    void confirmWritesTheCoefficient_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("ratioItem");
        QTest::addColumn<QString>("countItem");
        QTest::addColumn<QString>("written");
        QTest::newRow("TForm2 2/10") << "TForm2"
                                     << "2"
                                     << "10"
                                     << "0,745";
        QTest::newRow("TForm2 1/2") << "TForm2"
                                    << "1"
                                    << "2"
                                    << "0,855";
        QTest::newRow("TForm2 3/20") << "TForm2"
                                     << "3"
                                     << "20"
                                     << "0,765";
        QTest::newRow("TForm3 3/65") << "TForm3"
                                     << "3"
                                     << "65"
                                     << "0,47";
        QTest::newRow("TForm3 1/4") << "TForm3"
                                    << "1"
                                    << "4"
                                    << "0,77";
        QTest::newRow("TForm3 1/65") << "TForm3"
                                     << "1"
                                     << "65"
                                     << "0,2";
        QTest::newRow("TForm4 1/100") << "TForm4"
                                      << "1"
                                      << "100"
                                      << "0,36";
        QTest::newRow("TForm4 3/4") << "TForm4"
                                    << "3"
                                    << "4"
                                    << "0,85";
        QTest::newRow("TForm5 2/70") << "TForm5"
                                     << "2"
                                     << "70"
                                     << "0,26";
        QTest::newRow("TForm5 1/4") << "TForm5"
                                    << "1"
                                    << "4"
                                    << "0,45";
        QTest::newRow("TForm5 3/100") << "TForm5"
                                      << "3"
                                      << "100"
                                      << "0,33";
    }
    void confirmWritesTheCoefficient() {
        QFETCH(QString, name);
        QFETCH(QString, ratioItem);
        QFETCH(QString, countItem);
        QFETCH(QString, written);
        open(name);
        pick(ratio(), ratioItem);
        pick(count(), countItem);
        confirm();
        QCOMPARE(target().text(), written);
        QVERIFY(m_dialog->isHidden());
    }

    void okWaitsForThePointerOnTheFreeSurface_data() { addDialogs(); }
    void okWaitsForThePointerOnTheFreeSurface() {
        QFETCH(QString, name);
        open(name);
        // Empty boxes: the pointer alone enables nothing.
        moveTo(m_dialog.get(), kFreeSurface);
        QVERIFY(!ok()->isEnabled());
        pick(ratio(), "2");
        moveTo(m_dialog.get(), kFreeSurface);
        QVERIFY(!ok()->isEnabled());
        pick(count(), count()->itemText(1));
        QVERIFY(!ok()->isEnabled());
        // Moves over the controls are theirs, not the dialog's.
        moveTo(m_dialog.get(), kOverCaption);
        moveTo(m_dialog.get(), kOverHeading);
        moveTo(m_dialog.get(), ratio()->geometry().center());
        QVERIFY(!ok()->isEnabled());
        // The disabled OK counts as the dialog's surface.
        moveTo(m_dialog.get(), kOverOk);
        QVERIFY(ok()->isEnabled());
    }

    void typedTextCountsAsFilled_data() { addDialogs(); }
    void typedTextCountsAsFilled() {
        QFETCH(QString, name);
        open(name);
        type(ratio(), "7");
        type(count(), kTyped);
        moveTo(m_dialog.get(), kFreeSurface);
        QVERIFY(ok()->isEnabled());
    }

    void okIsNeverDisabledAgain_data() { addDialogs(); }
    void okIsNeverDisabledAgain() {
        QFETCH(QString, name);
        open(name);
        pick(ratio(), "1");
        pick(count(), count()->itemText(0));
        moveTo(m_dialog.get(), kFreeSurface);
        QVERIFY(ok()->isEnabled());
        ratio()->setCurrentIndex(-1);
        count()->lineEdit()->clear();
        moveTo(m_dialog.get(), kFreeSurface);
        QVERIFY(ok()->isEnabled());
        m_dialog->hide();
        showAndWait(m_dialog.get());
        moveTo(m_dialog.get(), kFreeSurface);
        QVERIFY(ok()->isEnabled());
    }

    void typedNumberAtFirstUseWritesZero_data() { addDialogs(); }
    void typedNumberAtFirstUseWritesZero() {
        QFETCH(QString, name);
        open(name);
        pick(ratio(), "2");
        type(count(), kTyped);
        confirm();
        QCOMPARE(target().text(), QStringLiteral("0"));
    }

    // A typed number keeps the coefficient of the earlier confirmation, whatever the new ratio.
    void typedNumberKeepsTheEarlierCoefficient() {
        open("TForm2");
        pick(ratio(), "2");
        pick(count(), "10");
        confirm();
        QCOMPARE(target().text(), QStringLiteral("0,745"));
        showAndWait(m_dialog.get());
        pick(ratio(), "3");
        type(count(), kTyped);
        confirm();
        QCOMPARE(target().text(), QStringLiteral("0,745"));
        // The ratio picked then was still remembered: its row is the one loaded now.
        pick(count(), "2");
        type(ratio(), "9");
        confirm();
        QCOMPARE(target().text(), QStringLiteral("0,94"));
    }

    // A typed ratio takes the cell of the row loaded last, zeros before any ratio was picked.
    void typedRatioUsesTheLastLoadedRow() {
        open("TForm3");
        type(ratio(), "9");
        pick(count(), "65");
        confirm();
        QCOMPARE(target().text(), QStringLiteral("0"));
        showAndWait(m_dialog.get());
        pick(ratio(), "1");
        confirm();
        QCOMPARE(target().text(), QStringLiteral("0,2"));
        showAndWait(m_dialog.get());
        type(ratio(), "1 "); // not the item "1"
        pick(count(), "4");
        confirm();
        QCOMPARE(target().text(), QStringLiteral("0,77"));
    }

    void reopeningKeepsThePicksAndConfirmsAtOnce_data() { addDialogs(); }
    void reopeningKeepsThePicksAndConfirmsAtOnce() {
        QFETCH(QString, name);
        open(name);
        pick(ratio(), "3");
        pick(count(), count()->itemText(2));
        confirm();
        const QString first = target().text();
        QVERIFY(m_dialog->isHidden());
        target().setText("-");

        showAndWait(m_dialog.get());
        QCOMPARE(ratio()->currentText(), QStringLiteral("3"));
        QCOMPARE(count()->currentText(), count()->itemText(2));
        QVERIFY(ok()->isEnabled());
        QTest::mouseClick(ok(), Qt::LeftButton);
        QCOMPARE(target().text(), first);
    }

    // OK is the default button: Enter in a box presses it once it is enabled.
    void enterPressesOkOnlyWhenEnabled() {
        open("TForm4");
        pick(ratio(), "2");
        pick(count(), "20");
        QTest::keyClick(count()->lineEdit(), Qt::Key_Return);
        QVERIFY(m_dialog->isVisible());
        QCOMPARE(target().text(), QString());
        moveTo(m_dialog.get(), kFreeSurface);
        QTest::keyClick(count()->lineEdit(), Qt::Key_Return);
        QVERIFY(m_dialog->isHidden());
        QCOMPARE(target().text(), QStringLiteral("0,635"));
        QCOMPARE(count()->count(), 7); // Enter added no item
    }
};

QTEST_MAIN(UtilizationDialogsTest)
#include "UtilizationDialogsTest.moc"
