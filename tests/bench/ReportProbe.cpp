// Times "Отчёт" in the program's own windows under a real X display (Xvfb), as a user sees it:
//   korvela_report_probe first|cold|warm <profile folder>   click → Writer's window with the note
//   korvela_report_probe builtin <output folder>            click → the note's RTF and PDF
//                                                           written (with its scheme and bill)
// first: no profile yet; cold: a profile, no Writer running; warm: this program's Writer already
// running (a first click, not timed, starts it). As in the program, Writer is readied once page 3
// is shown and again after each note; the timed click comes kReadingMs after page 3 is shown or
// the note before it appeared, as a user who reads the results first. Prints "ms <milliseconds>".
// Not a test.
#include "app/MainWindow.h"
#include "app/ReportGenerator.h"
#include "app/WindowSet.h"
#include "base/Messages.h"
#include "base/NumberText.h"
#include "report/CursorReportEngine.h"
#include "report/NoteFilesEngine.h"
#include "report/NotePdf.h"
#include "report/WriterEngine.h"
#include "report/WriterOffice.h"
#include "tests/support/WorkedDesign.h"
#include "tests/support/WriterDocuments.h"
#include "widgets/Windows.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTabWidget>
#include <QThread>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>
#include <set>
#include <xcb/xcb.h>

namespace {

// From page 3 shown (or the note before on screen) to the click timed.
constexpr int kReadingMs = 2000;

void waitProcessing(int ms) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < ms) {
        QApplication::processEvents();
        QThread::msleep(5);
    }
}

class SilentSink : public MessageSink {
public:
    void showError(const QString& text) override { failures << text; }
    void showMessage(const QString& text) override { failures << text; }
    QStringList failures;
};

// The viewable top-level windows of Writer on the display, by id.
std::set<xcb_window_t> writerWindows(xcb_connection_t* x) {
    std::set<xcb_window_t> found;
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(x)).data;
    xcb_query_tree_reply_t* tree =
        xcb_query_tree_reply(x, xcb_query_tree(x, screen->root), nullptr);
    if (!tree)
        return found;
    const xcb_window_t* children = xcb_query_tree_children(tree);
    for (int i = 0; i < xcb_query_tree_children_length(tree); ++i) {
        xcb_get_window_attributes_reply_t* attributes =
            xcb_get_window_attributes_reply(x, xcb_get_window_attributes(x, children[i]), nullptr);
        const bool viewable = attributes && attributes->map_state == XCB_MAP_STATE_VIEWABLE;
        free(attributes);
        if (!viewable)
            continue;
        xcb_get_property_reply_t* name =
            xcb_get_property_reply(x,
                                   xcb_get_property(x, 0, children[i], XCB_ATOM_WM_NAME,
                                                    XCB_GET_PROPERTY_TYPE_ANY, 0, 256),
                                   nullptr);
        if (name) {
            const QByteArray title(static_cast<const char*>(xcb_get_property_value(name)),
                                   xcb_get_property_value_length(name));
            if (title.contains("Writer"))
                found.insert(children[i]);
        }
        free(name);
    }
    free(tree);
    return found;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: korvela_report_probe first|cold|warm|builtin <folder>\n");
        return 2;
    }
    const QByteArray mode = argv[1];
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("korvela"));
    substituteFormFont();
    const NumberText numbers(QChar(','));
    SilentSink sink;
    WindowSet windows(numbers, sink);
    windows.Form1()->show();
    worked::Design design = worked::rowOfAngles();
    windows.state() = design.state;
    runElectrodeStage(design.in, numbers, windows.state());
    auto* button = windows.Form1()->findChild<QPushButton*>(QStringLiteral("Button5"));
    if (!button)
        return 1;
    QApplication::processEvents();
    // What the program loads once its main window is drawn, long before "Отчёт" can be pressed.
    NotePdf::warmUp();

    // The engines of the program, with the Writer instance held here so that it can be ended.
    const QString folder = QString::fromLocal8Bit(argv[2]);
    std::shared_ptr<WriterOffice> office;
    std::vector<EngineRecord> engines;
    if (mode == "builtin") {
        engines.push_back(NoteFilesEngine::record(folder, [](const QString&) { return true; }));
    } else {
        office = std::make_shared<WriterOffice>(WriterOffice::Options{false, 20000, folder});
        engines.push_back(CursorReportEngine::record(
            QStringLiteral("LibreOffice Writer"), nullptr,
            [office] { return std::make_unique<WriterEngine>(office); }, true));
        engines.push_back(NoteFilesEngine::record(folder, nullptr));
    }
    windows.report()->session().setEngines(std::move(engines));
    windows.prepareReportsAhead();
    auto* pages = windows.Form1()->findChild<QTabWidget*>(QStringLiteral("PageControl1"));
    if (!pages)
        return 1;
    pages->setCurrentIndex(2);
    waitProcessing(kReadingMs);

    xcb_connection_t* x = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(x))
        return 1;
    if (mode == "warm") {
        button->click();
        for (int i = 0; i < 400 && writerWindows(x).empty(); ++i)
            QThread::msleep(25);
        waitProcessing(kReadingMs);
    }
    const std::set<xcb_window_t> before = writerWindows(x);
    QElapsedTimer clock;
    clock.start();
    button->click();
    qint64 ms = clock.elapsed();
    if (mode != "builtin") {
        ms = -1;
        while (clock.elapsed() < 20000) {
            const std::set<xcb_window_t> now = writerWindows(x);
            if (std::any_of(now.begin(), now.end(), [&](auto w) { return !before.count(w); })) {
                ms = clock.elapsed();
                break;
            }
            QThread::msleep(2);
        }
    }
    xcb_disconnect(x);
    if (!sink.failures.isEmpty())
        std::fprintf(stderr, "%s\n", qPrintable(sink.failures.join(QLatin1Char('\n'))));
    // The notes are closed unsaved, and Writer, left without a window, ends with its office.
    if (office) {
        for (const WriterDocuments::Document& note : WriterDocuments::all(office->desktop()))
            WriterDocuments::close(note);
        windows.report()->session().setEngines({});
        office.reset();
    }
    std::printf("ms %lld\n", static_cast<long long>(ms));
    return ms < 0 || !sink.failures.isEmpty() ? 1 : 0;
}
