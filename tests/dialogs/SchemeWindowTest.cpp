// The scheme window: empty before a calculation, follows the design's results and thicknesses,
// saves SVG and PNG.
#include "dialogs/SchemeWindow.h"
#include "base/NumberText.h"
#include "tests/drawing/SchemeDesign.h"
#include "tests/support/RecordingSink.h"
#include "tests/support/WindowTest.h"
#include "widgets/SaveFileDialog.h"

#include <QFile>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QSvgRenderer>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

// Answers with the file set beforehand and records what it was asked.
class AnsweringDialog : public SaveFileDialog {
public:
    AnsweringDialog(QString& answer, std::size_t& kind) : m_answer(answer), m_kind(kind) {}
    ChosenFile fileToSave(QWidget*, const QString&, const SaveQuestion&) override {
        return {m_answer, m_kind};
    }

private:
    QString& m_answer;
    std::size_t& m_kind;
};

using schemetest::design;

} // namespace

class SchemeWindowTest : public QObject {
    Q_OBJECT

    const NumberText m_numbers{QLatin1Char(',')};
    RecordingSink m_sink;
    QString m_answer;
    std::size_t m_kind = 0; // the kind of file picked: by its extension (0) or one of the others
    std::unique_ptr<Design> m_design;
    std::unique_ptr<SchemeWindow> m_window;

    // A calculation shown on page 3.
    void calculated(const DesignState& state) {
        m_design->state() = state;
        m_design->showResults();
    }

    template <class W> W* part(const char* name) const {
        return m_window->findChild<W*>(QString::fromLatin1(name));
    }
    QString bill(int row, int column) const {
        const QTableWidgetItem* item = part<QTableWidget>("BillTable")->item(row, column);
        return item ? item->text() : QString();
    }

private slots:
    void initTestCase() { windowtest::useProgramFonts(); }
    void init() {
        m_sink.clear();
        m_design = std::make_unique<Design>();
        m_window = std::make_unique<SchemeWindow>(*m_design, m_numbers, m_sink);
        m_window->setFileDialog(std::make_unique<AnsweringDialog>(m_answer, m_kind));
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    }
    void cleanup() {
        m_window.reset();
        m_design.reset();
    }

    void emptyBeforeTheFirstDesign() {
        QCOMPARE(m_window->windowTitle(), QStringLiteral("Схема заземляющего устройства"));
        QVERIFY(part<QLabel>("EmptyNote")->isVisible());
        QVERIFY(!part<QWidget>("Tabs")->isVisible());
        QVERIFY(!part<QPushButton>("SaveButton")->isEnabled());
        QCOMPARE(part<QTableWidget>("BillTable")->rowCount(), 0);
    }

    void followsTheDesignAndTheThicknesses() {
        calculated(design(ElectrodeArrangement::Row, 6, 25));
        QVERIFY(!part<QLabel>("EmptyNote")->isVisible());
        QVERIFY(part<QPushButton>("SaveButton")->isEnabled());
        QCOMPARE(bill(0, 1), QStringLiteral("Уголок стальной 60×60×5"));
        QCOMPARE(bill(0, 3), QStringLiteral("6"));

        calculated(design(ElectrodeArrangement::Contour, 8, 40));
        QCOMPARE(bill(0, 3), QStringLiteral("8"));
        QCOMPARE(bill(1, 4), QStringLiteral("40,00"));

        // δ below the smallest allowed: the profile and a warning follow; the design takes it.
        QSignalSpy changed(m_design.get(), &Design::changed);
        part<QSpinBox>("AngleWall")->setValue(3);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(bill(0, 1), QStringLiteral("Уголок стальной 60×60×3"));
        QVERIFY(part<QLabel>("SizeWarnings")->text().contains(QStringLiteral("4 мм")));
        QCOMPARE(m_design->inputs().scheme, (SteelThickness{3, 4}));

        // The inputs follow the design.
        m_design->edit([](DesignInputs& d) { d.scheme = {6, 5}; });
        QCOMPARE(changed.count(), 2);
        QCOMPARE(part<QSpinBox>("AngleWall")->value(), 6);
        QCOMPARE(bill(1, 1), QStringLiteral("Полоса стальная 40×5"));

        // A design opened has no results yet.
        m_design->replace(m_design->inputs());
        QVERIFY(part<QLabel>("EmptyNote")->isVisible());
    }

    void savesAnSvgAndAPngThatOpen() {
        QTemporaryDir dir;
        calculated(design(ElectrodeArrangement::Contour, 7, 35));
        m_answer = dir.filePath(QStringLiteral("схема.svg"));
        windowtest::click(part<QPushButton>("SaveButton"));
        QVERIFY(QSvgRenderer(m_answer).isValid());
        m_answer = dir.filePath(QStringLiteral("схема.png"));
        QVERIFY(m_window->saveScheme());
        QVERIFY(!QImage(m_answer).isNull());

        m_answer = dir.filePath(QStringLiteral("схема.jpg"));
        QVERIFY(!m_window->saveScheme());
        QCOMPARE(m_sink.errors.size(), 1);
        m_answer.clear(); // cancelled
        QVERIFY(!m_window->saveScheme());
        QCOMPARE(m_sink.errors.size(), 1);
    }

    // The drawing sheet and the drawing for CAD programs are kinds of file of "Сохранить…".
    void savesTheSheetAndTheDxf_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("start"); // what the file begins with
        QTest::newRow("sheet A3") << 3 << "лист.pdf" << QByteArray("%PDF");
        QTest::newRow("sheet A4") << 4 << "лист4.pdf" << QByteArray("%PDF");
        QTest::newRow("DXF") << 5 << "схема.dxf" << QByteArray("\n  0\nSECTION\n  2\nHEADER");
    }
    void savesTheSheetAndTheDxf() {
        QFETCH(int, kind);
        QFETCH(QString, name);
        QFETCH(QByteArray, start);
        QTemporaryDir dir;
        calculated(design(ElectrodeArrangement::Contour, 7, 35));
        m_kind = static_cast<std::size_t>(kind);
        m_answer = dir.filePath(name);
        QVERIFY(m_window->saveScheme());
        QFile written(m_answer);
        QVERIFY(written.open(QIODevice::ReadOnly));
        QVERIFY2(written.read(64).contains(start), qPrintable(name));
        m_answer = dir.filePath(QStringLiteral("нет/") + name);
        QVERIFY(!m_window->saveScheme());
        QCOMPARE(m_sink.errors.size(), 1);
        m_kind = 0;
    }

    void exportsTheEquipmentScheduleOrSaysWhyNot() {
        QTemporaryDir dir;
        calculated(design(ElectrodeArrangement::Row, 4, 12));
        m_answer = dir.filePath(QStringLiteral("спецификация.xlsx"));
        windowtest::click(part<QPushButton>("EquipmentScheduleButton"));
        QFile written(m_answer);
        QVERIFY(written.open(QIODevice::ReadOnly));
        QCOMPARE(written.read(2), QByteArray("PK"));
        QVERIFY(m_sink.errors.isEmpty());

        m_answer = dir.filePath(QStringLiteral("нет такой папки/спецификация.xlsx"));
        QVERIFY(!m_window->exportEquipmentSchedule());
        QCOMPARE(m_sink.errors.size(), 1);
        QVERIFY(m_sink.errors.first().contains(m_answer));
    }
};

QTEST_MAIN(SchemeWindowTest)
#include "SchemeWindowTest.moc"
