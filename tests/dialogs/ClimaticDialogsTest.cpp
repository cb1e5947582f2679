// The two climatic coefficient dialogs as the engineer uses them.
#include "base/NumberText.h"
#include "dialogs/ClimaticDialog.h"
#include "dialogs/HorizontalClimaticDialog.h"
#include "tests/dialogs/DialogTest.h"
#include "tests/support/WindowTest.h"

#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <memory>

using namespace dialogtest;

namespace {
const QPoint kForm7FreeSurface = kClimaticFreeSurface;
const QPoint kForm8FormSurface(200, 290);
const QString kType1 =
    QStringLiteral("Длинна электродов 2-3 м и глубина заложения их вершины 0,5-0,8 м");
const QString kType2 =
    QStringLiteral("Длинна электродов 5 м и глубина заложения их вершины 0,7-0,8 м ");
} // namespace

class ClimaticDialogsTest : public QObject {
    Q_OBJECT

    const NumberText m_numbers{QLatin1Char(',')};
    std::unique_ptr<Design> m_design;
    std::unique_ptr<ShownLabel> m_verticalLabel;   // Label29
    std::unique_ptr<ShownLabel> m_horizontalLabel; // Label28
    std::unique_ptr<TForm7> m_form7;
    ShownLabel& label29() { return *m_verticalLabel; }
    ShownLabel& label28() { return *m_horizontalLabel; }
    std::unique_ptr<TForm8> m_form8;

    static QRadioButton* zone(QWidget* dialog, int n) {
        return dialog->findChild<QRadioButton*>(QStringLiteral("RadioButton%1").arg(n));
    }
    static QPushButton* ok(QWidget* dialog) { return dialog->findChild<QPushButton*>("BitBtn1"); }
    QComboBox* typeBox() const { return m_form7->findChild<QComboBox*>("ComboBox1"); }
    QFrame* panel8() const { return m_form8->findChild<QFrame*>("Panel1"); }

    void confirm7() {
        moveTo(m_form7.get(), kForm7FreeSurface);
        QVERIFY(ok(m_form7.get())->isEnabled());
        QTest::mouseClick(ok(m_form7.get()), Qt::LeftButton);
    }
    void confirm8() {
        moveTo(panel8(), kPanelFreeSurface);
        QVERIFY(ok(m_form8.get())->isEnabled());
        QTest::mouseClick(ok(m_form8.get()), Qt::LeftButton);
    }

private slots:
    void initTestCase() { windowtest::useProgramFonts(); }
    void init() {
        m_design = std::make_unique<Design>();
        m_verticalLabel = std::make_unique<ShownLabel>(*m_design, &WizardState::Label29);
        m_horizontalLabel = std::make_unique<ShownLabel>(*m_design, &WizardState::Label28);
        label29().setText(QStringLiteral("v"));
        label28().setText(QStringLiteral("h"));
        m_form7 = std::make_unique<TForm7>(*m_design, m_numbers);
        m_form8 = std::make_unique<TForm8>(*m_design, m_numbers);
        showAndWait(m_form7.get());
        showAndWait(m_form8.get());
    }
    void cleanup() {
        m_form7.reset();
        m_form8.reset();
    }

    void zonePartAsDesigned_data() {
        QTest::addColumn<int>("form");
        QTest::newRow("TForm7") << 7;
        QTest::newRow("TForm8") << 8;
    }
    void zonePartAsDesigned() {
        QFETCH(int, form);
        QWidget* dialog = form == 7 ? static_cast<QWidget*>(m_form7.get()) : m_form8.get();
        QCOMPARE(dialog->findChild<QLabel*>("Label5")->text(),
                 QStringLiteral("Климатические зоны"));
        QCOMPARE(dialog->findChild<QLabel*>("Label5")->pos(), QPoint(512, 48));
        QCOMPARE(dialog->findChild<QLabel*>("Label2")->text(),
                 QStringLiteral("Климатические признаки зон"));
        const char* captions[] = {"Label3", "Label4", "Label6", "Label7"};
        const QStringList texts = {"Средняя многолетняя температура низшая (январь) град.С",
                                   "Средняя многолетняя температура высшая (июнь) град.С",
                                   "Среднее колличество осадков, мм",
                                   "Продолжительность замерзания воды, дни"};
        for (int row = 0; row < 4; ++row) {
            auto* caption = dialog->findChild<QLabel*>(captions[row]);
            QCOMPARE(caption->text(), texts[row]);
            QCOMPARE(caption->pos(), QPoint(8, 112 + 32 * row));
            QVERIFY(caption->font().bold());
            QCOMPARE(caption->font().pointSize(), 10);
            QVERIFY(caption->geometry().right() < 452); // clear of the zone boxes
        }
        const QStringList names = {"I зона", "II зона", "III зона", "IV зона"};
        const QStringList values[4] = {{"-20..-15", "+16..+18", "~400", "170-190"},
                                       {"-14..-10", "+18..+22", "~500", "~150"},
                                       {"-10..0", "+22..+24", "~500", "~100"},
                                       {"0..+5", "+24..+26", "~400", "0"}};
        for (int z = 0; z < 4; ++z) {
            auto* box = dialog->findChild<QGroupBox*>(QStringLiteral("GroupBox%1").arg(z + 1));
            QCOMPARE(box->title(), names[z]);
            QCOMPARE(box->geometry(), QRect(452 + 72 * z, 72, 65, 161));
            QStringList shown;
            for (QLabel* value : box->findChildren<QLabel*>()) {
                // each value level with its feature caption, and whole within its box
                QCOMPARE(box->y() + value->y(),
                         dialog->findChild<QLabel*>(captions[shown.size()])->y());
                QVERIFY(value->fontMetrics().horizontalAdvance(value->text()) <= 65);
                shown << value->text();
            }
            QCOMPARE(shown, values[z]);
            auto* radio = zone(dialog, z + 1);
            QVERIFY(!radio->isChecked());
            QCOMPARE(radio->text(), QString());
            QCOMPARE(radio->parentWidget()->objectName(), QStringLiteral("Panel1"));
            QCOMPARE(radio->pos(), QPoint(24 + 72 * z, 8));
            // under its zone's box
            const int middle = radio->parentWidget()->x() + radio->geometry().center().x();
            QVERIFY(box->geometry().left() < middle && middle < box->geometry().right());
        }
        QCOMPARE(dialog->findChild<QFrame*>("Panel1")->geometry(), QRect(452, 240, 280, 33));
        QVERIFY(!(dialog->windowFlags() & Qt::WindowCloseButtonHint));
        QVERIFY(!(dialog->windowFlags() & Qt::WindowSystemMenuHint));
        QVERIFY(!ok(dialog)->isEnabled());
        QVERIFY(ok(dialog)->isDefault());
        QCOMPARE(ok(dialog)->text(), QStringLiteral("OK"));
    }

    void form7AsDesigned() {
        QCOMPARE(m_form7->windowTitle(),
                 QStringLiteral("Выбор климатического коэффициента для вертикальных электродов"));
        QCOMPARE(m_form7->size(), QSize(737, 363));
        QCOMPARE(m_form7->findChild<QLabel*>("Label1")->text(),
                 QStringLiteral("Климатический коэффициент для вертикальных электродов"));
        auto* caption = m_form7->findChild<QLabel*>("Label24");
        QCOMPARE(caption->text(), QStringLiteral("Тип применяемых заземляющих электродов"));
        QCOMPARE(caption->pos(), QPoint(8, 288));
        QVERIFY(caption->geometry().right() < 344);
        QCOMPARE(typeBox()->geometry().topLeft(), QPoint(344, 288));
        QCOMPARE(typeBox()->width(), 385);
        QCOMPARE(typeBox()->count(), 2);
        QCOMPARE(typeBox()->itemText(0), kType1);
        QCOMPARE(typeBox()->itemText(1), kType2);
        QVERIFY(itemsFit(typeBox()));
        QCOMPARE(typeBox()->currentText(), QString());
        QVERIFY(typeBox()->isEditable());
        QCOMPARE(ok(m_form7.get())->geometry(), QRect(312, 328, 113, 25));
    }

    void form8AsDesigned() {
        QCOMPARE(m_form8->windowTitle(), QStringLiteral("Form8"));
        QCOMPARE(m_form8->size(), QSize(737, 314));
        QCOMPARE(m_form8->findChild<QLabel*>("Label1")->text(),
                 QStringLiteral("Климатический коэффициент для горизонтальных электродов"));
        QVERIFY(!m_form8->findChild<QComboBox*>());
        QVERIFY(!m_form8->findChild<QLabel*>("Label24"));
        QCOMPARE(ok(m_form8.get())->geometry(), QRect(312, 280, 113, 25));
    }

    void form7WritesBothLabels_data() {
        QTest::addColumn<int>("zoneButton");
        QTest::addColumn<QString>("typeItem");
        QTest::addColumn<QString>("vertical");
        QTest::addColumn<QString>("horizontal");
        QTest::newRow("II, type 2") << 2 << kType2 << "1,25"
                                    << "4";
        QTest::newRow("IV, type 1") << 4 << kType1 << "1,75"
                                    << "1,75";
        QTest::newRow("I, type 1") << 1 << kType1 << "1,9"
                                   << "5,75";
        QTest::newRow("III, type 2") << 3 << kType2 << "1,15"
                                     << "2,25";
    }
    void form7WritesBothLabels() {
        QFETCH(int, zoneButton);
        QFETCH(QString, typeItem);
        QFETCH(QString, vertical);
        QFETCH(QString, horizontal);
        QTest::mouseClick(zone(m_form7.get(), zoneButton), Qt::LeftButton);
        pick(typeBox(), typeItem);
        confirm7();
        QCOMPARE(label29().text(), vertical);
        QCOMPARE(label28().text(), horizontal);
        QVERIFY(m_form7->isHidden());
    }

    // The type without its closing blank is no item: no vertical value yet at first use.
    void form7TypedTypeAtFirstUse() {
        zone(m_form7.get(), 1)->setChecked(true);
        typeBox()->setEditText(kType2.trimmed());
        confirm7();
        QCOMPARE(label29().text(), QStringLiteral("0"));
        QCOMPARE(label28().text(), QStringLiteral("5,75"));
    }

    // Later, a typed type keeps the earlier vertical value while the horizontal one follows
    // the zone.
    void form7TypedTypeKeepsTheEarlierVertical() {
        zone(m_form7.get(), 2)->setChecked(true);
        pick(typeBox(), kType1);
        confirm7();
        QCOMPARE(label29().text(), QStringLiteral("1,65"));
        showAndWait(m_form7.get());
        zone(m_form7.get(), 3)->setChecked(true);
        type(typeBox(), "x");
        QTest::mouseClick(ok(m_form7.get()), Qt::LeftButton);
        QCOMPARE(label29().text(), QStringLiteral("1,65"));
        QCOMPARE(label28().text(), QStringLiteral("2,25"));
    }

    void form7OkWaitsForZoneTypeAndPointer() {
        QPushButton* button = ok(m_form7.get());
        pick(typeBox(), kType1);
        moveTo(m_form7.get(), kForm7FreeSurface);
        QVERIFY(!button->isEnabled()); // no zone yet
        typeBox()->setCurrentIndex(-1);
        zone(m_form7.get(), 3)->setChecked(true);
        moveTo(m_form7.get(), kForm7FreeSurface);
        QVERIFY(!button->isEnabled()); // no type yet
        type(typeBox(), "x");
        QVERIFY(!button->isEnabled());
        // over controls: the zone panel, a zone button, a zone box, a caption, the type box
        moveTo(m_form7.get(), QPoint(470, 256));
        moveTo(zone(m_form7.get(), 1), QPoint(5, 5));
        moveTo(m_form7.get(), QPoint(500, 150));
        moveTo(m_form7.get(), QPoint(20, 118));
        moveTo(m_form7.get(), typeBox()->geometry().center());
        QVERIFY(!button->isEnabled());
        // the disabled OK counts as the dialog's surface
        moveTo(m_form7.get(), button->geometry().center());
        QVERIFY(button->isEnabled());
        typeBox()->lineEdit()->clear();
        moveTo(m_form7.get(), kForm7FreeSurface);
        m_form7->hide();
        showAndWait(m_form7.get());
        QVERIFY(button->isEnabled());
    }

    void form7ReopensAndConfirmsAtOnce() {
        zone(m_form7.get(), 4)->setChecked(true);
        pick(typeBox(), kType2);
        confirm7();
        QCOMPARE(label29().text(), QStringLiteral("1,1"));
        label29().clear();
        label28().clear();
        showAndWait(m_form7.get());
        QVERIFY(zone(m_form7.get(), 4)->isChecked());
        QCOMPARE(typeBox()->currentText(), kType2);
        QVERIFY(ok(m_form7.get())->isEnabled());
        QTest::mouseClick(ok(m_form7.get()), Qt::LeftButton);
        QCOMPARE(label29().text(), QStringLiteral("1,1"));
        QCOMPARE(label28().text(), QStringLiteral("1,75"));
    }

    void form8WritesLabel28Only() {
        QTest::mouseClick(zone(m_form8.get(), 3), Qt::LeftButton);
        QVERIFY(zone(m_form8.get(), 3)->isChecked());
        confirm8();
        QCOMPARE(label28().text(), QStringLiteral("2,25"));
        QCOMPARE(label29().text(), QStringLiteral("v"));
        QVERIFY(m_form8->isHidden());
    }

    // TForm8 watches the free surface of the zone panel only.
    void form8OkWaitsForAZoneAndThePanel() {
        QPushButton* button = ok(m_form8.get());
        moveTo(panel8(), kPanelFreeSurface);
        QVERIFY(!button->isEnabled()); // no zone yet
        zone(m_form8.get(), 1)->setChecked(true);
        moveTo(m_form8.get(), kForm8FormSurface);
        QVERIFY(!button->isEnabled());
        moveTo(m_form8.get(), button->geometry().center());
        QVERIFY(!button->isEnabled());
        moveTo(zone(m_form8.get(), 2), QPoint(5, 5));
        QVERIFY(!button->isEnabled());
        moveTo(panel8(), kPanelFreeSurface);
        QVERIFY(button->isEnabled());
        m_form8->hide();
        showAndWait(m_form8.get());
        QVERIFY(button->isEnabled());
    }

    // The zones are one group: selecting one clears the others.
    void atMostOneZone() {
        QTest::mouseClick(zone(m_form8.get(), 1), Qt::LeftButton);
        QTest::mouseClick(zone(m_form8.get(), 4), Qt::LeftButton);
        QVERIFY(!zone(m_form8.get(), 1)->isChecked());
        QVERIFY(zone(m_form8.get(), 4)->isChecked());
        confirm8();
        QCOMPARE(label28().text(), QStringLiteral("1,75"));
    }

    void form8ReopensAndConfirmsAtOnce() {
        zone(m_form8.get(), 2)->setChecked(true);
        confirm8();
        label28().clear();
        showAndWait(m_form8.get());
        QTest::mouseClick(ok(m_form8.get()), Qt::LeftButton);
        QCOMPARE(label28().text(), QStringLiteral("4"));
    }
};

QTEST_MAIN(ClimaticDialogsTest)
#include "ClimaticDialogsTest.moc"
