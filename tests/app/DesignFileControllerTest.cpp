// Design files through the windows: saved and opened again in a fresh set of windows, bad files
// that change nothing, the title, the question before unsaved changes are lost, and the commands.
#include "app/DesignFileController.h"
#include "app/MainWindow.h"
#include "app/WindowSet.h"
#include "base/NumberText.h"
#include "dialogs/ClimaticDialog.h"
#include "dialogs/HorizontalClimaticDialog.h"
#include "dialogs/NormalizedResistanceDialog.h"
#include "dialogs/ProjectDataDialog.h"
#include "dialogs/StripContourDialog.h"
#include "dialogs/StripRowDialog.h"
#include "dialogs/VariantSearchWindow.h"
#include "dialogs/VerticalContourDialog.h"
#include "dialogs/VerticalRowDialog.h"
#include "tests/support/DesignEntry.h"
#include "tests/support/RecordingSink.h"
#include "tests/support/WindowTest.h"
#include "widgets/DesignFileDialogs.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <memory>

namespace {
using namespace designentry;

// File dialogs that give the names a test sets and record where they began.
class AnsweringDialogs : public DesignFileDialogs {
public:
    QString fileToOpen(QWidget*, const QString& start) override { return answer(start); }
    QString fileToSave(QWidget*, const QString& start) override { return answer(start); }

    QStringList answers; // taken from the front; none left is a cancel
    QStringList starts;

private:
    QString answer(const QString& start) {
        starts << start;
        return answers.isEmpty() ? QString() : answers.takeFirst();
    }
};

// The home folder moved to a temporary one, with or without a documents folder, while it lives.
class TemporaryHome {
public:
    explicit TemporaryHome(bool withDocuments) : m_saved(qgetenv("HOME")) {
        qputenv("HOME", QFile::encodeName(m_dir.path()));
        if (withDocuments)
            QDir(m_dir.path()).mkdir(QStringLiteral("Documents"));
    }
    ~TemporaryHome() { qputenv("HOME", m_saved); }
    QString path() const { return m_dir.path(); }

private:
    QTemporaryDir m_dir;
    QByteArray m_saved;
};

// The site page of a contour design, confirmed, with the electrode page's picks made.
void contourSite(WindowSet& ws) {
    TForm1* main = ws.Form1();
    enter(main, "ComboBox3", QStringLiteral("Глина-60"));
    enter(main, "ComboBox4", QStringLiteral("Песок-500"));
    pickZone(ws.Form7(), 3, kType2);
    useTwoLists(ws.Form6(), kKind, QStringLiteral("380/220"));
    setEdits(main, {{"Edit5", "1,5"}, {"Edit6", "0,5"}});
    main->Label30MouseMove();
    main->Button1Click();
    enter(main, "ComboBox2", QStringLiteral("По контуру"));
    enter(main, "ComboBox1", QStringLiteral("Круглого сечения"));
    main->Label26MouseMove();
    main->Edit8MouseMove();
}

void contourOfRoundsOnResults(WindowSet& ws) {
    contourSite(ws);
    TForm1* main = ws.Form1();
    setEdits(main, {{"Edit8", "16"}, {"Edit9", "3"}, {"Edit10", "40"}, {"Edit11", "3"}});
    useTwoLists(ws.Form4(), QStringLiteral("1"), QStringLiteral("100"));
    useTwoLists(ws.Form5(), QStringLiteral("2"), QStringLiteral("70"));
    main->Label31MouseMove();
    main->Button3Click();
}

// The electrode page, with dialogs left with typed texts, another zone selected than the one
// loaded, and OK enabled but not pressed.
void contourWithTypedDialogs(WindowSet& ws) {
    contourSite(ws);
    setEdits(ws.Form1(), {{"Edit8", "16"}, {"Edit11", "3"}});
    useTwoLists(ws.Form4(), QStringLiteral("3"), QStringLiteral("12"));
    enter(ws.Form4(), "ComboBox1", QStringLiteral("1"));
    useTwoLists(ws.Form3(), QStringLiteral("4"), QString(), false);
    enter(ws.Form6(), "ComboBox2", QStringLiteral("6-10 кВ?"));
    part<QRadioButton>(ws.Form7(), "RadioButton1")->setChecked(true);
    enter(ws.Form7(), "ComboBox1", QStringLiteral("5 м"));
    // Back to the site page for another horizontal coefficient, and on again.
    ws.Form1()->Button2Click();
    part<QRadioButton>(ws.Form8(), "RadioButton4")->setChecked(true);
    ws.Form8()->Panel1MouseMove();
    ws.Form8()->BitBtn1Click();
    ws.Form1()->Button1Click();
    useTwoLists(ws.Form2(), QStringLiteral("3"), QStringLiteral("20"), false);
}

// A whole design taken back to the site page, with a soil typed over.
void rowBackOnSitePage(WindowSet& ws) {
    rowOfAnglesOnResults(ws);
    ws.Form1()->Button4Click();
    ws.Form1()->Button2Click();
    enter(ws.Form1(), "ComboBox4", QStringLiteral("песок?"));
}

void untouched(WindowSet&) {}

// A row on page 3 with the project data typed in their window, which Ctrl+Shift+P opens.
void rowWithProjectData(WindowSet& ws) {
    rowOfAnglesOnResults(ws);
    ws.Form1()->show();
    ws.Form1()->activateWindow();
    if (!QTest::qWaitForWindowActive(ws.Form1()))
        qFatal("the main window is not active");
    QTest::keyClick(ws.Form1(), Qt::Key_P, Qt::ControlModifier | Qt::ShiftModifier);
    auto* window = ws.Form1()->findChild<ProjectDataDialog*>();
    if (!window || !window->isVisible())
        qFatal("Ctrl+Shift+P shows no project data");
    QTest::keyClicks(part<QLineEdit>(window, "Object"), QStringLiteral("Boiler \"North\" {1}\\"));
    QTest::keyClicks(part<QLineEdit>(window, "Developer"), QStringLiteral("Ivanov I. I."));
}

// A row on page 3 with the lengths of the variant search typed in its window.
void rowWithVariantLengths(WindowSet& ws) {
    rowOfAnglesOnResults(ws);
    VariantSearchWindow* window = ws.variantWindow();
    window->show();
    auto* lengths = part<QLineEdit>(window, "lengthsEdit");
    lengths->selectAll();
    QTest::keyClicks(lengths, QStringLiteral("4; 6"));
}

const std::function<void(WindowSet&)> kDesigns[] = {
    untouched,         rowOfAnglesOnResults, contourOfRoundsOnResults, contourWithTypedDialogs,
    rowBackOnSitePage, rowWithProjectData,   rowWithVariantLengths};

// Page 3's nine lines.
QStringList resultLines(const TForm1* main) {
    QStringList lines;
    for (const char* name : {"Label17", "Label18", "Label19", "Label20", "Label21", "Label22",
                             "Label24", "Label25", "Label32"})
        lines << part<QLabel>(main, name)->text();
    return lines;
}

void compareStates(const DesignState& a, const DesignState& b) {
    const auto fields = [](const DesignState& s) {
        return QList<double>{s.EquivalentResistivity,
                             s.UpperResistivity,
                             s.LowerResistivity,
                             s.ClimaticCoefVertical,
                             s.ClimaticCoefHorizontal,
                             s.VerticalLength,
                             s.UpperLayerThickness,
                             s.HorizontalDepth,
                             s.VerticalMidDepth,
                             s.VerticalSpacing,
                             s.UtilizationHorizontal,
                             s.UtilizationVertical,
                             s.SingleVerticalResistance,
                             s.EstimatedCountRaw,
                             s.EstimatedCount,
                             s.EstimatedHorizontalLength,
                             s.RefinedHorizontalLength,
                             s.HorizontalResistance,
                             s.RequiredVerticalResistance,
                             s.RefinedCountRaw,
                             s.RefinedCount,
                             double(s.NormalizedResistance),
                             double(s.AngleFlangeWidthMm),
                             double(s.StripWidthMm),
                             double(s.RoundDiameterMm),
                             double(s.ElectrodeArrangement),
                             double(s.ElectrodeMaterial),
                             double(s.ElectrodeLayers)};
    };
    QCOMPARE(fields(a), fields(b));
    QCOMPARE(a.ElectrodeNounForm, b.ElectrodeNounForm);
    QCOMPARE(a.VerticalAdjectiveForm, b.VerticalAdjectiveForm);
}

} // namespace

class DesignFileControllerTest : public QObject {
    Q_OBJECT

    NumberText m_numbers{QLatin1Char(',')};
    RecordingSink m_sink;
    std::unique_ptr<QTemporaryDir> m_dir;

    QString path(const QString& name) const { return m_dir->filePath(name); }

    // A set of windows with file dialogs that the test answers.
    struct Windows {
        std::unique_ptr<WindowSet> set;
        AnsweringDialogs* dialogs = nullptr;
        DesignFileController* files() const { return set->designFiles(); }
        TForm1* main() const { return set->Form1(); }
    };
    Windows windows() {
        Windows w;
        w.set = std::make_unique<WindowSet>(m_numbers, m_sink);
        auto dialogs = std::make_unique<AnsweringDialogs>();
        w.dialogs = dialogs.get();
        w.files()->setDialogs(std::move(dialogs));
        return w;
    }
    // Saves the design of w to a new file, answering the dialog with name.
    QString saveNew(const Windows& w, const QString& name) {
        w.dialogs->answers << path(name);
        if (!w.files()->save())
            qFatal("not saved: %s", qPrintable(m_sink.errors.join('\n')));
        return w.files()->file();
    }
    static void type(TForm1* main, const char* edit, const QString& text) {
        QTest::keyClicks(part<QLineEdit>(main, edit), text);
    }

private slots:
    void initTestCase() {
        windowtest::useProgramFonts();
        QStandardPaths::setTestModeEnabled(true);
    }
    void init() {
        m_sink.clear();
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
    }

    void savedDesignOpensInFreshWindows_data() {
        QTest::addColumn<int>("design");
        QTest::addColumn<int>("page");
        QTest::newRow("untouched") << 0 << 0;
        QTest::newRow("row of angles, results") << 1 << 2;
        QTest::newRow("contour of rounds, results") << 2 << 2;
        QTest::newRow("contour, typed dialog values, electrode page") << 3 << 1;
        QTest::newRow("row taken back to the site page") << 4 << 0;
        QTest::newRow("row with project data") << 5 << 2;
        QTest::newRow("row with variant lengths") << 6 << 2;
    }
    void savedDesignOpensInFreshWindows() {
        QFETCH(int, design);
        QFETCH(int, page);
        const Windows original = windows();
        kDesigns[design](*original.set);
        QVERIFY2(m_sink.errors.isEmpty() && m_sink.messages.isEmpty(),
                 qPrintable((m_sink.errors + m_sink.messages).join('\n')));
        const DesignInputs saved = original.set->design().inputs();
        QCOMPARE(saved.wizard.page, page);
        const QString file = saveNew(original, QStringLiteral("design"));
        QCOMPARE(file, path(QStringLiteral("design.korvela")));

        const Windows opened = windows();
        QVERIFY(opened.files()->openFile(file));
        QVERIFY2(m_sink.errors.isEmpty() && m_sink.messages.isEmpty(),
                 qPrintable((m_sink.errors + m_sink.messages).join('\n')));
        const DesignInputs got = opened.set->design().inputs();
        QVERIFY(got.wizard == saved.wizard);
        QVERIFY(got == saved);
        if (design == 5) // the data typed are in the file
            QCOMPARE(got.project.developer, QStringLiteral("Ivanov I. I."));
        if (design == 6) // and the lists, which the window of the design opened shows
            QCOMPARE(part<QLineEdit>(opened.set->variantWindow(), "lengthsEdit")->text(),
                     QStringLiteral("4; 6"));
        QCOMPARE(part<QLabel>(opened.main(), "Label9")->text(),
                 part<QLabel>(original.main(), "Label9")->text());
        if (page >= 1) // the design state holds what the presses that led there computed
            compareStates(opened.set->state(), original.set->state());
        if (page == 2)
            QCOMPARE(resultLines(opened.main()), resultLines(original.main()));
        QCOMPARE(opened.main()->windowTitle(), QStringLiteral("design.korvela[*] — Корвела v1.1"));
        QVERIFY(!opened.main()->isWindowModified());
    }

    void badFileChangesNothing_data() {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QString>("replacement");
        QTest::newRow("missing") << QString() << QString();
        QTest::newRow("not JSON") << "^\\{"
                                  << "[";
        QTest::newRow("other format") << "korvela-design"
                                      << "spreadsheet";
        QTest::newRow("newer version") << "\"version\": 2"
                                       << "\"version\": 3";
        QTest::newRow("wrong type") << "\"siteNextEnabled\": true"
                                    << "\"siteNextEnabled\": 1";
        QTest::newRow("position out of range") << "\"position\": \\d+"
                                               << "\"position\": 99";
        QTest::newRow("text an edit box refuses") << "\"electrodeSize\": \"\\d+\""
                                                  << "\"electrodeSize\": \"5x\"";
        QTest::newRow("too large") << "\\}\\s*$" << QString(1100000, u' ') + u'}';
    }
    void badFileChangesNothing() {
        QFETCH(QString, pattern);
        QFETCH(QString, replacement);
        // A bad file written from a good one.
        const Windows source = windows();
        rowOfAnglesOnResults(*source.set);
        const QString good = saveNew(source, QStringLiteral("good.korvela"));
        QFile in(good);
        QVERIFY(in.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(in.readAll());
        const QString bad = path(QStringLiteral("bad.korvela"));
        if (!pattern.isEmpty()) {
            const QString changed = QString(text).replace(QRegularExpression(pattern), replacement);
            QVERIFY(changed != text);
            QFile out(bad);
            QVERIFY(out.open(QIODevice::WriteOnly));
            out.write(changed.toUtf8());
        }

        // The windows hold a design with a file and unsaved changes.
        const Windows w = windows();
        contourOfRoundsOnResults(*w.set);
        const QString file = saveNew(w, QStringLiteral("mine.korvela"));
        w.main()->Button2Click();
        type(w.main(), "Edit11", QStringLiteral("7"));
        QVERIFY(w.main()->isWindowModified());
        const DesignInputs before = w.set->design().inputs();
        const DesignState stateBefore = w.set->state();
        const QStringList linesBefore = resultLines(w.main());
        const QString titleBefore = w.main()->windowTitle();
        m_sink.clear();

        QVERIFY(!w.files()->openFile(bad));
        QCOMPARE(m_sink.errors.size(), 1);
        QVERIFY2(m_sink.errors.first().contains(bad), qPrintable(m_sink.errors.first()));
        QVERIFY(w.set->design().inputs() == before);
        compareStates(w.set->state(), stateBefore);
        QCOMPARE(resultLines(w.main()), linesBefore);
        QCOMPARE(w.main()->windowTitle(), titleBefore);
        QCOMPARE(w.files()->file(), file);
        QVERIFY(w.main()->isWindowModified());
        QVERIFY(w.main()->isWindowModified());
    }

    void titleNamesTheFileAndItsChanges() {
        const Windows w = windows();
        const QString plain = w.main()->windowTitle();
        QCOMPARE(plain, QStringLiteral("Корвела v1.1"));
        type(w.main(), "Edit5", QStringLiteral("2"));
        QCOMPARE(w.main()->windowTitle(), plain); // no file: as it always was
        QVERIFY(!w.main()->isWindowModified());

        saveNew(w, QStringLiteral("site"));
        QCOMPARE(w.main()->windowTitle(), QStringLiteral("site.korvela[*] — Корвела v1.1"));
        QVERIFY(!w.main()->isWindowModified());
        type(w.main(), "Edit6", QStringLiteral("1"));
        QVERIFY(w.main()->isWindowModified());
        QVERIFY(w.files()->save());
        QVERIFY(!w.main()->isWindowModified());
        useTwoLists(w.set->Form6(), kKind, QStringLiteral("380/220")); // a dialog's value
        QVERIFY(w.main()->isWindowModified());
        w.main()->Label30MouseMove(); // the program's own doing is no change
        QVERIFY(w.files()->save());
        w.main()->Button1Click();
        QVERIFY(!w.main()->isWindowModified());
    }

    void closingAsksOnlyForUnsavedChangesOfAFile_data() {
        QTest::addColumn<bool>("hasFile");
        QTest::addColumn<bool>("edited");
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("asked");
        QTest::addColumn<bool>("closed");
        QTest::addColumn<bool>("fileHasEdit");
        using A = MessageSink::SaveAnswer;
        QTest::newRow("no file, edited")
            << false << true << int(A::Cancel) << false << true << false;
        QTest::newRow("file, unchanged")
            << true << false << int(A::Cancel) << false << true << false;
        QTest::newRow("file, edited, cancel")
            << true << true << int(A::Cancel) << true << false << false;
        QTest::newRow("file, edited, discard")
            << true << true << int(A::Discard) << true << true << false;
        QTest::newRow("file, edited, save") << true << true << int(A::Save) << true << true << true;
    }
    void closingAsksOnlyForUnsavedChangesOfAFile() {
        QFETCH(bool, hasFile);
        QFETCH(bool, edited);
        QFETCH(int, answer);
        QFETCH(bool, asked);
        QFETCH(bool, closed);
        QFETCH(bool, fileHasEdit);
        const Windows w = windows();
        w.main()->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.main()));
        const QString file = hasFile ? saveNew(w, QStringLiteral("site.korvela")) : QString();
        if (edited)
            type(w.main(), "Edit5", QStringLiteral("3"));
        m_sink.answer = MessageSink::SaveAnswer(answer);

        QCOMPARE(w.main()->close(), closed);
        QCOMPARE(w.main()->isVisible(), !closed);
        QCOMPARE(m_sink.questions,
                 asked ? QStringList{QStringLiteral("Сохранить изменения в «site»?")}
                       : QStringList{});
        if (hasFile) {
            const Windows reopened = windows();
            QVERIFY(reopened.files()->openFile(file));
            QCOMPARE(part<QLineEdit>(reopened.main(), "Edit5")->text(),
                     fileHasEdit ? QStringLiteral("3") : QString());
        }
    }

    void failedSaveOnClosingKeepsTheWindowOpen() {
        const Windows w = windows();
        w.main()->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.main()));
        QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("gone")));
        saveNew(w, QStringLiteral("gone/site"));
        QVERIFY(QDir(path(QStringLiteral("gone"))).removeRecursively());
        type(w.main(), "Edit5", QStringLiteral("3"));
        m_sink.answer = MessageSink::SaveAnswer::Save;

        QVERIFY(!w.main()->close());
        QCOMPARE(m_sink.questions.size(), 1);
        QCOMPARE(m_sink.errors.size(), 1);
        QVERIFY2(m_sink.errors.first().contains(path(QStringLiteral("gone/site.korvela"))),
                 qPrintable(m_sink.errors.first()));
        QVERIFY(w.main()->isVisible());
        QVERIFY(w.main()->isWindowModified());
    }

    // The commands, from the buttons and the keys of the main window on every page: the first
    // save asks for a name, later ones do not; the dialogs begin in the documents folder, then
    // in the folder of the last file.
    void commandsAskForFilesWhereTheLastOneWas() {
        const TemporaryHome home(true);
        const Windows w = windows();
        TForm1* main = w.main();
        main->show();
        main->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(main));
        rowOfAnglesOnResults(*w.set);
        const QString documents =
            QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);

        w.dialogs->answers << path(QStringLiteral("first")); // no extension typed
        QTest::keyClick(main, Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(w.dialogs->starts, QStringList{documents});
        QCOMPARE(w.files()->file(), path(QStringLiteral("first.korvela")));
        QVERIFY(QFile::exists(w.files()->file()));

        main->Button4Click(); // back to the electrode page
        QTest::keyClick(main, Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(w.dialogs->starts.size(), 1); // saved to its file without a question

        main->Button2Click(); // the site page
        QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("other")));
        w.dialogs->answers << path(QStringLiteral("other/second.korvela"));
        QTest::keyClick(part<QLineEdit>(main, "Edit5"), Qt::Key_S,
                        Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(w.dialogs->starts.last(), path(QStringLiteral("first.korvela")));
        QCOMPARE(w.files()->file(), path(QStringLiteral("other/second.korvela")));

        w.dialogs->answers << path(QStringLiteral("first.korvela"));
        QTest::keyClick(main, Qt::Key_O, Qt::ControlModifier);
        QCOMPARE(w.dialogs->starts.last(), path(QStringLiteral("other")));
        QCOMPARE(w.files()->file(), path(QStringLiteral("first.korvela")));
        QCOMPARE(w.set->design().inputs().wizard.page, 1);

        // The buttons "Открыть…" and "Сохранить…"; unsaved changes are settled before another
        // design is opened.
        type(main, "Edit6", QStringLiteral("1"));
        part<QPushButton>(main, "OpenButton")->click(); // the question is answered "Отмена"
        QCOMPARE(m_sink.questions, QStringList{QStringLiteral("Сохранить изменения в «first»?")});
        QCOMPARE(w.dialogs->starts.size(), 3);
        part<QPushButton>(main, "SaveButton")->click();
        QVERIFY(!w.main()->isWindowModified());
        w.dialogs->answers << path(QStringLiteral("other/second.korvela"));
        part<QPushButton>(main, "OpenButton")->click();
        QCOMPARE(w.files()->file(), path(QStringLiteral("other/second.korvela")));
        QCOMPARE(w.set->design().inputs().wizard.page, 0);
        QCOMPARE(w.dialogs->starts.size(), 4);

        // A dialog that is cancelled changes nothing.
        QTest::keyClick(main, Qt::Key_O, Qt::ControlModifier);
        QTest::keyClick(main, Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(w.dialogs->starts.size(), 6);
        QCOMPARE(w.files()->file(), path(QStringLiteral("other/second.korvela")));
        QVERIFY2(m_sink.errors.isEmpty(), qPrintable(m_sink.errors.join('\n')));
    }

    // Without a documents folder the first dialogs begin in the home folder, not with the missing
    // folder's name typed as the file's.
    void firstDialogsBeginAtHomeWithoutDocuments_data() {
        QTest::addColumn<bool>("documents");
        QTest::addColumn<QString>("start"); // in the home folder
        QTest::newRow("documents folder") << true << "/Documents";
        QTest::newRow("no documents folder") << false << "";
    }
    void firstDialogsBeginAtHomeWithoutDocuments() {
        QFETCH(bool, documents);
        QFETCH(QString, start);
        const TemporaryHome home(documents);
        const Windows w = windows();
        w.files()->saveAs();
        w.files()->openAsked();
        QCOMPARE(w.dialogs->starts, QStringList(2, home.path() + start));
    }

    // A design whose saved inputs no longer pass a stage (a file changed by hand) opens on the
    // page where the press stopped, with what the press says.
    void openingStopsWhereAPressStops() {
        const Windows source = windows();
        rowOfAnglesOnResults(*source.set);
        const QString file = saveNew(source, QStringLiteral("hand.korvela"));
        QFile f(file);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QString text = QString::fromUtf8(f.readAll());
        f.close();
        QVERIFY(text.contains(QStringLiteral("\"electrodeLength\": \"2.5\"")));
        text.replace(QStringLiteral("\"electrodeLength\": \"2.5\""),
                     QStringLiteral("\"electrodeLength\": \"\""));
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(text.toUtf8());
        f.close();
        m_sink.clear();

        const Windows w = windows();
        QVERIFY(w.files()->openFile(file));
        QCOMPARE(w.set->design().inputs().wizard.page, 1);
        QCOMPARE(m_sink.errors.size(), 1);
        QCOMPARE(w.set->state().UpperResistivity, source.set->state().UpperResistivity);
        QCOMPARE(w.files()->file(), file);
    }
};

QTEST_MAIN(DesignFileControllerTest)
#include "DesignFileControllerTest.moc"
