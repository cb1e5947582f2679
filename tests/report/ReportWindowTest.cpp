// "Отчёт" with the progress window TForm10, over a recording word processor; and Ctrl+E, the
// report exported as a PDF file.
#include "app/MainWindow.h"
#include "app/ReportGenerator.h"
#include "app/WindowSet.h"
#include "base/DocumentsFolder.h"
#include "base/NumberText.h"
#include "dialogs/ProgressWindow.h"
#include "dialogs/SchemeWindow.h"
#include "note/ReportRows.h"
#include "tests/note/WorkedExample.h"
#include "tests/report/RecordingEngine.h"
#include "tests/report/ReportTestSupport.h"
#include "tests/support/DesignEntry.h"
#include "tests/support/RecordingSink.h"
#include "tests/support/WindowTest.h"
#include "widgets/SaveFileDialog.h"

#include <QDir>
#include <QProgressBar>
#include <QTemporaryDir>
#include <QTest>
#include <atomic>
#include <memory>
#include <utility>

using reporttest::EngineScript;
using reporttest::recordingEngines;

namespace {

// A file dialog that answers with a file set beforehand (empty: cancelled) and records where it
// began.
class AnsweringDialog : public SaveFileDialog {
public:
    AnsweringDialog(QStringList& starts, QString answer)
        : m_starts(starts), m_answer(std::move(answer)) {}
    ChosenFile fileToSave(QWidget*, const QString& start, const SaveQuestion&) override {
        m_starts << start;
        return {m_answer};
    }

private:
    QStringList& m_starts;
    QString m_answer;
};

} // namespace

class ReportWindowTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { windowtest::useProgramFonts(); }

    // What the progress window shows while the report runs, and after.
    void barAdvancesWhileTheReportRunsAndTheWindowCloses_data() {
        QTest::addColumn<int>("material");
        QTest::addColumn<int>("lastValue");
        QTest::newRow("angle") << int(ElectrodeMaterial::Angle) << 100; // 120 leaves it full
        QTest::newRow("round") << int(ElectrodeMaterial::RoundSection) << 100;
        QTest::newRow("none") << int(ElectrodeMaterial::None) << 100; // 111 leaves it full
    }
    void barAdvancesWhileTheReportRunsAndTheWindowCloses() {
        QFETCH(int, material);
        QFETCH(int, lastValue);
        EngineScript script;
        QWidget owner;
        owner.resize(600, 400);
        owner.show();
        auto* form10 = new TForm10(&owner);
        Design design;
        design.state() = reporttest::workedExample(ElectrodeMaterial(material));
        const NumberText numbers(QChar(','));
        RecordingSink sink;
        ReportGenerator generator(design, numbers, sink, form10, &owner);
        generator.session().setEngines(recordingEngines(script));
        generator.setTemplatePath(QStringLiteral("/t/отчёт/otchet.rtf"));

        QList<int> values;
        bool visibleThroughout = true;
        script.onCall = [&](const QString& call) {
            visibleThroughout = visibleThroughout && form10->isVisible();
            if (call == QLatin1String("start"))
                values << form10->ProgressBar1->value();
            if (call == QLatin1String("create"))
                QCOMPARE(form10->ProgressBar1->value(), 0);
        };
        generator.Button5Click();

        QVERIFY(visibleThroughout);
        QVERIFY(!form10->isVisible());
        QCOMPARE(form10->ProgressBar1->value(), lastValue);
        QVERIFY(std::is_sorted(values.begin(), values.end()));
        QCOMPARE(values.first(), 0);
        QVERIFY(values.last() > 80);
        QCOMPARE(script.calls.last(), QStringLiteral("visible 1"));
        QVERIFY(sink.errors.isEmpty());
        QVERIFY(sink.messages.isEmpty());
    }

    void engineThatDoesNotStartClosesTheWindowWithAnError() {
        EngineScript script;
        script.createFails = true;
        QWidget owner;
        auto* form10 = new TForm10(&owner);
        Design design;
        design.state() = reporttest::workedExample();
        const NumberText numbers(QChar(','));
        RecordingSink sink;
        ReportGenerator generator(design, numbers, sink, form10, &owner);
        generator.session().setEngines(recordingEngines(script));
        generator.Button5Click();
        QVERIFY(!form10->isVisible());
        QCOMPARE(sink.errors, QStringList{"Не удалось запустить текстовый процессор для отчёта."});
    }

    // The main window's "Отчёт" reaches the report with the design state of the windows.
    void mainWindowButtonRunsTheReport() {
        EngineScript script;
        const NumberText numbers(QChar(','));
        RecordingSink sink;
        WindowSet windows(numbers, sink);
        QVERIFY(windows.report());
        windows.report()->session().setEngines(recordingEngines(script));
        windows.report()->setTemplatePath(QStringLiteral("/t/otchet.rtf"));
        windows.state() = reporttest::workedExample();
        windows.Form1()->Button5Click();
        QCOMPARE(script.calls.mid(0, 3),
                 (QStringList{"create", "visible 0", "open /t/otchet.rtf"}));
        QVERIFY(script.calls.contains(QStringLiteral("replace ##nkonok&=6")));
        QVERIFY(!windows.Form10()->isVisible());

        // The bill of the note counts with the design's steel thicknesses.
        windows.design().edit([](DesignInputs& d) { d.scheme = SteelThickness{6, 5}; });
        script.calls.clear();
        windows.Form1()->Button5Click();
        const auto billCall = [&](const SteelThickness& thickness) {
            for (const ReportRow& row : reportRows(windows.state(), numbers, thickness))
                if (row.key == QLatin1String("##vedomost&"))
                    return reporttest::callOf(row);
            return QString();
        };
        QVERIFY(billCall(SteelThickness{6, 5}) != billCall(SteelThickness{}));
        QVERIFY(script.calls.contains(billCall(SteelThickness{6, 5})));
    }

    // Page 3 fills the report ahead once the design has rested, "Отчёт" shows that fill, and a
    // change on page 3 fills it again.
    void resultsPageFillsTheReportAhead() {
        EngineScript script;
        std::atomic<int> opened = 0;
        script.onCall = [&](const QString& call) {
            opened += call.startsWith(QLatin1String("open"));
        };
        const NumberText numbers(QChar(','));
        RecordingSink sink;
        WindowSet windows(numbers, sink);
        windows.report()->session().setEngines(recordingEngines(script, true));
        windows.report()->setTemplatePath(QStringLiteral("/t/otchet.rtf"));
        windows.prepareReportsAhead();
        designentry::rowOfAnglesOnResults(windows);
        QTRY_COMPARE(opened.load(), 1);

        const auto click = [&] {
            const qsizetype before = script.calls.size();
            windows.Form1()->Button5Click();
            return script.calls.mid(before);
        };
        // Taken as it is; another fill is made ahead for the next click.
        QCOMPARE(click(), (QStringList{"create", "visible 1"}));
        QTRY_COMPARE(opened.load(), 2);
        windows.design().edit([](DesignInputs& d) { d.scheme = SteelThickness{6, 5}; });
        QTRY_COMPARE(opened.load(), 3);
        QCOMPARE(click(), (QStringList{"create", "visible 1"}));
        QVERIFY(sink.errors.isEmpty());
    }

    // Ctrl+E asks for a file only on page 3 and writes the note's PDF there; a cancel writes
    // nothing, a file that cannot be written is named with the reason.
    void ctrlEExportsTheNoteAsPdf_data() {
        QTest::addColumn<QString>("answer");  // relative to the folder; empty: cancelled
        QTest::addColumn<QString>("written"); // the one file then in the folder, if any
        QTest::addColumn<bool>("fails");
        QTest::newRow("typed without extension") << "записка"
                                                 << "записка.pdf" << false;
        QTest::newRow("with extension") << "note.PDF"
                                        << "note.PDF" << false;
        QTest::newRow("cancelled") << ""
                                   << "" << false;
        QTest::newRow("no such folder") << "нет/note.pdf"
                                        << "" << true;
    }
    void ctrlEExportsTheNoteAsPdf() {
        QFETCH(QString, answer);
        QFETCH(QString, written);
        QFETCH(bool, fails);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const NumberText numbers(QChar(','));
        RecordingSink sink;
        WindowSet windows(numbers, sink);
        TForm1* main = windows.Form1();
        main->show();
        main->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(main));
        QStringList starts;
        windows.report()->setFileDialog(std::make_unique<AnsweringDialog>(
            starts, answer.isEmpty() ? answer : dir.filePath(answer)));
        windows.report()->setTemplatePath(reporttest::kTemplate);

        QTest::keyClick(main, Qt::Key_E, Qt::ControlModifier); // on the site page
        QVERIFY(starts.isEmpty());
        designentry::rowOfAnglesOnResults(windows);
        QTest::keyClick(main, Qt::Key_E, Qt::ControlModifier);

        QCOMPARE(starts, QStringList{documentsFolder()});
        const QStringList files =
            QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
        QCOMPARE(files, written.isEmpty() ? QStringList{} : QStringList{written});
        if (!written.isEmpty())
            QVERIFY(reporttest::readAll(dir.filePath(written)).startsWith("%PDF-"));
        QCOMPARE(sink.errors.size(), fails ? 1 : 0);
        if (fails)
            QVERIFY2(sink.errors.first().startsWith(QStringLiteral("Не удалось записать отчёт: ") +
                                                    dir.filePath(answer) + QStringLiteral(" (")),
                     qPrintable(sink.errors.first()));
        QVERIFY2(sink.messages.isEmpty(), qPrintable(sink.messages.join('\n')));
    }
};

QTEST_MAIN(ReportWindowTest)
#include "ReportWindowTest.moc"
