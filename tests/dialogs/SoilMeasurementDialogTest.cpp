// The window of the soil measurements, offscreen: readings typed, pasted and imported, the fit
// and its choice, "Применить", the state, and the plot saved.
#include "dialogs/SoilMeasurementDialog.h"
#include "base/NumberText.h"
#include "dialogs/SoilFileDialogs.h"
#include "tests/dialogs/DialogTest.h"
#include "tests/support/RecordingSink.h"

#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>
#include <memory>

namespace {

using Rows = QList<QStringList>;

// The files the engineer would pick, set by each test.
class PickedFiles : public SoilFileDialogs {
public:
    QString readingsToImport(QWidget*) override { return toImport; }
    QString plotToSave(QWidget*) override { return toSave; }

    QString toImport;
    QString toSave;
};

const NumberText comma(QLatin1Char(','));
// A result not looked at.
const QString kAnyText = QStringLiteral("(any)");
const TwoLayerSoil kLayered{.upper = 100, .lower = 300, .thickness = 2};
const TwoLayerSoil kUniform{.upper = 150, .lower = 150, .thickness = 2};

// Readings of a soil at spacings from 0.5 to 10 m.
std::vector<WennerReading> readingsOf(const TwoLayerSoil& soil, int count) {
    std::vector<WennerReading> readings;
    for (int i = 0; i < count; ++i) {
        const double a = 0.5 * std::pow(20.0, i / (count - 1.0));
        readings.push_back(
            {.spacing = a,
             .resistance = wennerApparentResistivity(soil, a).value / (2 * std::numbers::pi * a)});
    }
    return readings;
}

Rows rowsOf(const std::vector<WennerReading>& readings) {
    Rows rows;
    for (const WennerReading& r : readings)
        rows << QStringList{comma.general(r.spacing), comma.general(r.resistance)};
    return rows;
}

} // namespace

class SoilMeasurementDialogTest : public QObject {
    Q_OBJECT

    RecordingSink m_sink;
    PickedFiles m_files;
    QTemporaryDir m_folder;
    std::unique_ptr<Design> m_design;
    std::unique_ptr<SoilMeasurementDialog> m_dialog;

    template <class T> T* child(const char* name) const {
        T* w = m_dialog->findChild<T*>(QString::fromLatin1(name));
        if (!w)
            qFatal("no control %s", name);
        return w;
    }
    QTableWidget* table() const { return child<QTableWidget>("readingsTable"); }
    QRadioButton* uniform() const { return child<QRadioButton>("uniformButton"); }
    QRadioButton* twoLayer() const { return child<QRadioButton>("twoLayerButton"); }
    QString problem() const { return child<QLabel>("problemLabel")->text(); }

    // The texts of a and R in every row of a window.
    static Rows rowsShown(const SoilMeasurementDialog& dialog) {
        const auto* table = dialog.findChild<QTableWidget*>(QStringLiteral("readingsTable"));
        const auto cell = [table](int row, int column) {
            const QTableWidgetItem* item = table->item(row, column);
            return item ? item->text() : QString();
        };
        Rows rows;
        for (int row = 0; row < table->rowCount(); ++row)
            rows << QStringList{cell(row, 0), cell(row, 1)};
        return rows;
    }
    Rows tableRows() const { return rowsShown(*m_dialog); }
    // Readings that the design holds, as a design opened holds them.
    void holdReadings(const std::vector<WennerReading>& readings) {
        m_design->edit([&](DesignInputs& d) {
            d.soilMeasurements.rows.clear();
            for (const WennerReading& r : readings)
                d.soilMeasurements.rows.append(
                    {comma.general(r.spacing), comma.general(r.resistance)});
        });
    }
    // How often the design's readings or pick changed since the spy began.
    static int readingChanges(const QSignalSpy& spy) {
        int count = 0;
        for (const QList<QVariant>& args : spy)
            count += (args[0].value<Design::Parts>() & Design::Part::SoilReadings) ? 1 : 0;
        return count;
    }

    // Types into a cell as the engineer does: opens its editor, types, presses Enter (the table
    // takes the text once the key has been handled).
    void typeInto(int row, int column, const QString& text) {
        const QModelIndex index = table()->model()->index(row, column);
        table()->setCurrentIndex(index);
        table()->edit(index);
        auto* editor = qobject_cast<QLineEdit*>(table()->indexWidget(index));
        QVERIFY(editor);
        editor->selectAll();
        QTest::keyClicks(editor, text);
        QTest::keyClick(editor, Qt::Key_Return);
        QCoreApplication::processEvents();
    }
    void typeRows(const Rows& rows) {
        while (table()->rowCount() < rows.size())
            QTest::mouseClick(child<QPushButton>("addRowButton"), Qt::LeftButton);
        for (int row = 0; row < rows.size(); ++row) {
            typeInto(row, 0, rows[row][0]);
            typeInto(row, 1, rows[row][1]);
        }
    }
    QString file(const char* name, const QByteArray& content) const {
        const QString path = m_folder.filePath(QString::fromLatin1(name));
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        f.write(content);
        return path;
    }

private slots:
    void init() {
        m_sink.clear();
        m_files = PickedFiles();
        m_design = std::make_unique<Design>();
        m_dialog = std::make_unique<SoilMeasurementDialog>(*m_design, comma, m_sink, m_files);
        dialogtest::showAndWait(m_dialog.get());
    }
    void cleanup() {
        m_dialog.reset();
        m_design.reset();
    }

    void typedReadingsShowTheFit_data() {
        QTest::addColumn<Rows>("rows");
        QTest::addColumn<QString>("problem");
        QTest::addColumn<QString>("uniformText");
        QTest::addColumn<QString>("twoLayerText");
        QTest::addColumn<bool>("twoLayerProposed");
        QTest::newRow("two layers")
            << rowsOf(readingsOf(kLayered, 6)) << QString()
            << kAnyText // its misfit is whatever the readings give
            << "ρ1 = 100,00 Ом·м, ρ2 = 300,00 Ом·м, H = 2,00 м, невязка 0,0 %" << true;
        QTest::newRow("uniform") << rowsOf(readingsOf(kUniform, 5)) << QString()
                                 << "ρ = 150,00 Ом·м, невязка 0,0 %" << kAnyText << false;
        QTest::newRow("two spacings")
            << Rows{{"1", "20"}, {"2", "10"}} << QString() << "ρ = 125,66 Ом·м, невязка 0,0 %"
            << "нужны замеры не меньше чем на 3 разносах" << false;
        QTest::newRow("a point for a comma")
            << Rows{{"1", "20"}, {"1.5", "10"}} << "Строка 2: «1.5» — не число."
            << ""
            << "" << false;
        QTest::newRow("a spacing twice")
            << Rows{{"1", "20"}, {"1,0", "10"}} << "Строка 2: разнос a = 1 м уже есть в строке 1."
            << ""
            << "" << false;
    }
    void typedReadingsShowTheFit() {
        QFETCH(Rows, rows);
        QFETCH(QString, problem);
        QFETCH(QString, uniformText);
        QFETCH(QString, twoLayerText);
        QFETCH(bool, twoLayerProposed);
        typeRows(rows);
        QCOMPARE(tableRows().mid(0, rows.size()), rows);
        QCOMPARE(this->problem(), problem);
        if (uniformText != kAnyText)
            QCOMPARE(child<QLabel>("uniformResult")->text(), uniformText);
        if (twoLayerText != kAnyText)
            QCOMPARE(child<QLabel>("twoLayerResult")->text(), twoLayerText);
        QCOMPARE(twoLayer()->isChecked(), twoLayerProposed);
        QCOMPARE(child<QPushButton>("applyButton")->isEnabled(), problem.isEmpty());
        // ρкаж of the first row, computed beside it.
        const double a = comma.readDecimal(rows[0][0]), r = comma.readDecimal(rows[0][1]);
        QCOMPARE(table()->item(0, 2)->text(), comma.fixed2(2 * std::numbers::pi * a * r));
    }

    void pastedReadings_data() {
        QTest::addColumn<QString>("clipboard");
        QTest::addColumn<bool>("byKeys");
        QTest::addColumn<Rows>("rows");
        QTest::addColumn<QString>("error");
        QTest::newRow("a spreadsheet's rows, by Ctrl+V")
            << "a, м\tR, Ом\n0.5\t40,1\n1\t19.5\n"
            << true << Rows{{"0,5", "40,1"}, {"1", "19,5"}} << QString();
        QTest::newRow("blanks, by the button")
            << "2 10\n4 5,5" << false << Rows{{"2", "10"}, {"4", "5,5"}} << QString();
        QTest::newRow("a bad row") << "1;20\n2;x\n"
                                   << false << Rows() << "Строка 2: «x» — не число.";
        QTest::newRow("a page of text")
            << "Протокол замеров\nсопротивления грунта от 12 мая" << true << Rows()
            << "Строка 2: нужны два числа, разнос a и показание R (значений в строке: 5)";
    }
    void pastedReadings() {
        QFETCH(QString, clipboard);
        QFETCH(bool, byKeys);
        QFETCH(Rows, rows);
        QFETCH(QString, error);
        typeRows({{"3", "7"}});
        const Rows before = tableRows();
        QSignalSpy edited(m_design.get(), &Design::changed);
        QGuiApplication::clipboard()->setText(clipboard);
        if (byKeys) {
            table()->setFocus();
            QTest::keyClick(table(), Qt::Key_V, Qt::ControlModifier);
        } else {
            QTest::mouseClick(child<QPushButton>("pasteButton"), Qt::LeftButton);
        }
        QCOMPARE(m_sink.errors, error.isEmpty() ? QStringList() : QStringList{error});
        QCOMPARE(tableRows(), error.isEmpty() ? rows : before);
        QCOMPARE(readingChanges(edited), error.isEmpty() ? 1 : 0);
    }

    void importedReadings_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<Rows>("rows");
        QTest::addColumn<QString>("reason");
        QTest::newRow("good") << QByteArray("a;R\n0,5;40\n1;20\n2;10\n")
                              << Rows{{"0,5", "40"}, {"1", "20"}, {"2", "10"}} << QString();
        QTest::newRow("a bad row") << QByteArray("0,5;40\n1;-20\n") << Rows()
                                   << "строка 2: показание R должно быть больше нуля";
    }
    void importedReadings() {
        QFETCH(QByteArray, content);
        QFETCH(Rows, rows);
        QFETCH(QString, reason);
        typeRows({{"3", "7"}});
        const Rows before = tableRows();
        m_files.toImport = file("readings.csv", content);
        QSignalSpy edited(m_design.get(), &Design::changed);
        QTest::mouseClick(child<QPushButton>("importButton"), Qt::LeftButton);
        QCOMPARE(readingChanges(edited), reason.isEmpty() ? 1 : 0);
        if (reason.isEmpty()) {
            QCOMPARE(m_sink.errors, QStringList());
            QCOMPARE(tableRows(), rows);
        } else {
            QCOMPARE(m_sink.errors,
                     QStringList{QStringLiteral("Не удалось прочитать замеры из файла «%1»: %2.")
                                     .arg(m_files.toImport, reason)});
            QCOMPARE(tableRows(), before);
        }
    }

    // "Применить" puts the proposed model into the site page until the engineer picks one, then
    // the pick: the measured soil's items are picked in both lists, and H goes into Edit5.
    void applyPutsTheChosenSoilIntoTheSitePage() {
        const std::vector<WennerReading> layered = readingsOf(kLayered, 6);
        holdReadings(layered);
        QTest::mouseClick(child<QPushButton>("applyButton"), Qt::LeftButton);
        const WizardState& wizard = m_design->inputs().wizard;
        QVERIFY(wizard.measuredSoil);
        const MeasuredSoil first = *wizard.measuredSoil;
        QCOMPARE(first.model, SoilModel::TwoLayer);
        QVERIFY(std::abs(first.upper / kLayered.upper - 1) < 1e-6);
        QVERIFY(std::abs(first.lower / kLayered.lower - 1) < 1e-6);
        QVERIFY(std::abs(first.thickness / kLayered.thickness - 1) < 1e-6);
        QCOMPARE(first.readings.size(), layered.size());
        for (std::size_t i = 0; i < layered.size(); ++i) // through texts of 15 digits
            QVERIFY(std::abs(first.readings[i].resistance / layered[i].resistance - 1) < 1e-13);
        QCOMPARE(wizard.upperSoil, (ListBoxState{18, QStringLiteral("По замерам-100")}));
        QCOMPARE(wizard.lowerSoil, (ListBoxState{18, QStringLiteral("По замерам-300")}));
        QCOMPARE(wizard.Edit5, QStringLiteral("2"));

        QTest::mouseClick(uniform(), Qt::LeftButton);
        QTest::mouseClick(child<QPushButton>("applyButton"), Qt::LeftButton);
        const MeasuredSoil& second = *m_design->inputs().wizard.measuredSoil;
        QCOMPARE(second.model, SoilModel::Uniform);
        QCOMPARE(second.upper, fitSoil(second.readings).uniform.resistivity);
        QCOMPARE(second.lower, second.upper);
        // The pick outlives new readings.
        holdReadings(readingsOf(kLayered, 8));
        QVERIFY(uniform()->isChecked());
        QCOMPARE(m_design->inputs().soilMeasurements.chosen, SoilModel::Uniform);
    }

    // Every change of the engineer's goes into the design (its file keeps the rows and the pick);
    // a window made later shows what the design holds.
    void theDesignKeepsTheReadings() {
        QSignalSpy edited(m_design.get(), &Design::changed);
        typeRows({{"0,5", "40"}, {"1", "20"}, {"2", "9"}});
        QCOMPARE(readingChanges(edited), 6); // six cells typed
        QTest::mouseClick(twoLayer(), Qt::LeftButton);
        QTest::mouseClick(twoLayer(), Qt::LeftButton); // the same pick again
        QCOMPARE(readingChanges(edited), 7);
        typeRows({{"0,5", "40"}, {"1", "20"}, {"2", "9"}, {"4", "oops"}});
        QTest::mouseClick(child<QPushButton>("addRowButton"), Qt::LeftButton);
        QTest::mouseClick(child<QPushButton>("removeRowButton"), Qt::LeftButton);
        // Only a of row 4 was new; then a row added and one removed.
        QCOMPARE(readingChanges(edited), 7 + 1 + 2);
        const SoilMeasurementState state = m_design->inputs().soilMeasurements;
        QCOMPARE(state.rows.size(), 5);
        QCOMPARE(state.rows[3], (ReadingRowTexts{"4", ""})); // the letters never got in
        QCOMPARE(state.chosen, SoilModel::TwoLayer);

        SoilMeasurementDialog again(*m_design, comma, m_sink, m_files);
        QCOMPARE(readingChanges(edited), 10);
        QCOMPARE(rowsShown(again), tableRows());
        QVERIFY(again.findChild<QRadioButton*>(QStringLiteral("twoLayerButton"))->isChecked());
        QCOMPARE(again.findChild<QLabel*>("problemLabel")->text(),
                 QStringLiteral("Строка 4: не указано показание R."));
    }

    void rowsStayWithinOneToFifty() {
        auto* add = child<QPushButton>("addRowButton");
        auto* remove = child<QPushButton>("removeRowButton");
        while (add->isEnabled())
            QTest::mouseClick(add, Qt::LeftButton);
        QCOMPARE(table()->rowCount(), 50);
        while (remove->isEnabled())
            QTest::mouseClick(remove, Qt::LeftButton);
        QCOMPARE(table()->rowCount(), 1);
    }

    void plotSaved_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("opening");
        QTest::newRow("PNG") << "plot.png" << QByteArray("\x89PNG");
        QTest::newRow("SVG") << "plot.svg" << QByteArray("<?xml");
        QTest::newRow("no such folder") << "missing/plot.png" << QByteArray();
    }
    void plotSaved() {
        QFETCH(QString, name);
        QFETCH(QByteArray, opening);
        holdReadings(readingsOf(kLayered, 6));
        m_files.toSave = m_folder.filePath(name);
        QTest::mouseClick(child<QPushButton>("savePlotButton"), Qt::LeftButton);
        QFile saved(m_files.toSave);
        if (opening.isEmpty()) {
            QCOMPARE(m_sink.errors.size(), 1);
            QVERIFY(m_sink.errors[0].startsWith(
                QStringLiteral("Не удалось сохранить файл «%1»: ").arg(m_files.toSave)));
        } else {
            QCOMPARE(m_sink.errors, QStringList());
            QVERIFY(saved.open(QIODevice::ReadOnly));
            QVERIFY(saved.readAll().startsWith(opening));
        }
    }
};

QTEST_MAIN(SoilMeasurementDialogTest)
#include "SoilMeasurementDialogTest.moc"
