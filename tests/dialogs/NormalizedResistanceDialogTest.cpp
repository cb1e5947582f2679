// The normalized resistance dialog as the engineer uses it.
#include "dialogs/NormalizedResistanceDialog.h"
#include "base/NumberText.h"
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
const QString kTransformer = QStringLiteral("Рабочее заземление нулевой точки трансформатора ");
const QString kInput = QStringLiteral("Повторное заземление нулевого провода на вводе в объект");
const QString kLine = QStringLiteral("Повторное заземление нулевого провода на воздушной линии");
} // namespace

class NormalizedResistanceDialogTest : public QObject {
    Q_OBJECT

    const NumberText m_numbers{QLatin1Char(',')};
    std::unique_ptr<Design> m_design;
    std::unique_ptr<ShownLabel> m_label;
    std::unique_ptr<TForm6> m_dialog;
    ShownLabel& target() { return *m_label; }

    QComboBox* kind() const { return m_dialog->findChild<QComboBox*>("ComboBox1"); }
    QComboBox* voltage() const { return m_dialog->findChild<QComboBox*>("ComboBox2"); }
    QPushButton* ok() const { return m_dialog->findChild<QPushButton*>("BitBtn1"); }

    void pressOk() {
        moveTo(m_dialog.get(), kFreeSurface);
        QVERIFY(ok()->isEnabled());
        QTest::mouseClick(ok(), Qt::LeftButton);
    }

private slots:
    void initTestCase() { windowtest::useProgramFonts(); }
    void init() {
        m_design = std::make_unique<Design>();
        m_label = std::make_unique<ShownLabel>(*m_design, &WizardState::Label27);
        target().setText(QStringLiteral("-"));
        m_dialog = std::make_unique<TForm6>(*m_design, m_numbers);
        showAndWait(m_dialog.get());
    }
    void cleanup() { m_dialog.reset(); }

    void windowAsDesigned() {
        QCOMPARE(
            m_dialog->windowTitle(),
            QStringLiteral("Выбор нормируемого значения сопротивления растеканию тока в землю"));
        QCOMPARE(m_dialog->size(), QSize(737, 163));
        QVERIFY(m_dialog->minimumSize() != m_dialog->maximumSize()); // a sizeable border
        QVERIFY(!(m_dialog->windowFlags() & Qt::WindowCloseButtonHint));
        QVERIFY(!(m_dialog->windowFlags() & Qt::WindowSystemMenuHint));
        auto* heading = m_dialog->findChild<QLabel*>("Label1");
        QCOMPARE(heading->text(), QStringLiteral("Нормируемое значение сопротивления растеканию "
                                                 "тока заземляющих устройств"));
        QVERIFY(heading->sizeHint().width() <= 737);
        QCOMPARE(m_dialog->findChild<QLabel*>("Label2")->text(), QStringLiteral("Вид заземления"));
        QCOMPARE(m_dialog->findChild<QLabel*>("Label3")->text(),
                 QStringLiteral("Напряжение сети, В"));
        QCOMPARE(kind()->geometry().topLeft(), QPoint(336, 56));
        QCOMPARE(kind()->width(), 345);
        QCOMPARE(voltage()->geometry().topLeft(), QPoint(552, 88));
        QCOMPARE(voltage()->width(), 129);
        QStringList kinds, voltages;
        for (int i = 0; i < kind()->count(); ++i)
            kinds << kind()->itemText(i);
        for (int i = 0; i < voltage()->count(); ++i)
            voltages << voltage()->itemText(i);
        QCOMPARE(kinds, (QStringList{kTransformer, kInput, kLine}));
        QVERIFY(itemsFit(kind()));
        QCOMPARE(voltages, (QStringList{"220/127", "380/220", "660/380"}));
        QCOMPARE(kind()->currentIndex(), -1);
        QCOMPARE(voltage()->currentText(), QString());
        QCOMPARE(ok()->geometry(), QRect(320, 120, 113, 25));
        QVERIFY(!ok()->isEnabled());
        QVERIFY(ok()->isDefault());
    }

    void confirmWritesWholeOhms_data() {
        QTest::addColumn<QString>("kindItem");
        QTest::addColumn<QString>("voltageItem");
        QTest::addColumn<QString>("written");
        QTest::newRow("transformer 380/220") << kTransformer << "380/220"
                                             << "4";
        QTest::newRow("transformer 220/127") << kTransformer << "220/127"
                                             << "8";
        QTest::newRow("transformer 660/380") << kTransformer << "660/380"
                                             << "2";
        QTest::newRow("input 380/220") << kInput << "380/220"
                                       << "10";
        QTest::newRow("line 220/127") << kLine << "220/127"
                                      << "60";
        QTest::newRow("line 660/380") << kLine << "660/380"
                                      << "15";
    }
    void confirmWritesWholeOhms() {
        QFETCH(QString, kindItem);
        QFETCH(QString, voltageItem);
        QFETCH(QString, written);
        pick(kind(), kindItem);
        pick(voltage(), voltageItem);
        pressOk();
        QCOMPARE(target().text(), written);
        QVERIFY(m_dialog->isHidden());
    }

    // The kind without its closing blank is no item: nothing is written and the dialog stays.
    void typedKindAtFirstUseKeepsTheDialogOpen() {
        kind()->setEditText(kTransformer.trimmed());
        pick(voltage(), "380/220");
        pressOk();
        QCOMPARE(target().text(), QStringLiteral("-"));
        QVERIFY(m_dialog->isVisible());
        QVERIFY(ok()->isEnabled());
        // Picking the kind then closes it.
        pick(kind(), kTransformer);
        QTest::mouseClick(ok(), Qt::LeftButton);
        QCOMPARE(target().text(), QStringLiteral("4"));
        QVERIFY(m_dialog->isHidden());
    }

    void typedVoltageAtFirstUseKeepsTheDialogOpen() {
        pick(kind(), kLine);
        type(voltage(), "380");
        pressOk();
        QCOMPARE(target().text(), QStringLiteral("-"));
        QVERIFY(m_dialog->isVisible());
    }

    // After a success, a typed voltage hands out the earlier resistance again.
    void typedVoltageKeepsTheEarlierResistance() {
        pick(kind(), kInput);
        pick(voltage(), "660/380");
        pressOk();
        QCOMPARE(target().text(), QStringLiteral("5"));
        showAndWait(m_dialog.get());
        pick(kind(), kLine);
        type(voltage(), "380");
        QTest::mouseClick(ok(), Qt::LeftButton);
        QCOMPARE(target().text(), QStringLiteral("5"));
        QVERIFY(m_dialog->isHidden());
    }

    void reopeningConfirmsAtOnce() {
        pick(kind(), kLine);
        pick(voltage(), "380/220");
        pressOk();
        QCOMPARE(target().text(), QStringLiteral("30"));
        target().clear();
        showAndWait(m_dialog.get());
        QCOMPARE(kind()->currentText(), kLine);
        QVERIFY(ok()->isEnabled());
        QTest::mouseClick(ok(), Qt::LeftButton);
        QCOMPARE(target().text(), QStringLiteral("30"));
    }

    void okWaitsForBothBoxesAndThePointer() {
        pick(kind(), kInput);
        moveTo(m_dialog.get(), kFreeSurface);
        QVERIFY(!ok()->isEnabled());
        pick(voltage(), "220/127");
        QVERIFY(!ok()->isEnabled());
        moveTo(m_dialog.get(), kind()->geometry().center());
        QVERIFY(!ok()->isEnabled());
        moveTo(m_dialog.get(), kFreeSurface);
        QVERIFY(ok()->isEnabled());
        kind()->setCurrentIndex(-1);
        moveTo(m_dialog.get(), kFreeSurface);
        QVERIFY(ok()->isEnabled());
    }
};

QTEST_MAIN(NormalizedResistanceDialogTest)
#include "NormalizedResistanceDialogTest.moc"
