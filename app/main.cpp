// Start-up: the command line, the application, its windows and the event loop.
#include "app/CommandLine.h"
#include "app/DesignFileController.h"
#include "app/DisplayCheck.h"
#include "app/MainWindow.h"
#include "app/QtTranslation.h"
#include "app/WindowSet.h"
#include "base/Messages.h"
#include "base/NumberText.h"
#include "dialogs/SystemSoilFileDialogs.h"
#include "report/NotePdf.h"
#include "widgets/BoxMessageSink.h"
#include "widgets/FileDialog.h"
#include "widgets/SystemFileDialogs.h"
#include "widgets/Windows.h"

#include <QApplication>
#include <QLocale>
#include <QTimer>
#include <QTranslator>
#include <cstdio>
#include <optional>

namespace {
// Prints what the command line asks for instead of running; returns the status to leave with.
int answer(const CommandLine::Request& request) {
    const QByteArray text = request.output.toLocal8Bit();
    std::FILE* stream = request.toErrorStream ? stderr : stdout;
    std::fwrite(text.constData(), 1, static_cast<std::size_t>(text.size()), stream);
    std::fflush(stream);
    return request.exitStatus;
}
} // namespace

int main(int argc, char* argv[]) {
    // Help and version are answered from the raw arguments, where no display is needed; so is a
    // wrong command line where there is no display. Otherwise the command line is read once Qt
    // has taken out its own options, which it knows best.
    QStringList raw;
    for (int i = 0; i < argc; ++i)
        raw << QString::fromLocal8Bit(argv[i]);
    const CommandLine::Request early = CommandLine::parse(CommandLine::withoutToolkitOptions(raw));
    if (!early.run && !early.toErrorStream)
        return answer(early);

    if (!display::named(argc, argv)) {
        if (!early.run)
            return answer(early);
        std::fputs(display::kNoDisplayLine, stderr);
        return 1;
    }
    std::optional<display::UnreachableDisplayGuard> displayGuard(std::in_place);
    QApplication app(argc, argv);
    displayGuard.reset();
    QApplication::setApplicationName(QStringLiteral("korvela"));
    const CommandLine::Request request = CommandLine::parse(QApplication::arguments());
    if (!request.run)
        return answer(request);
    // The toolkit's own dialogs, menus and error reasons speak the system's language; the
    // program's own texts are its own.
    QTranslator qtTexts;
    installQtTranslation(qtTexts, QLocale());
    substituteFormFont();
    keepFileDialogSettingsNowhere();

    const NumberText numbers(QLocale::system().decimalPoint().front());
    BoxMessageSink sink;
    WindowSet windows(numbers, sink);
    windows.designFiles()->setDialogs(std::make_unique<SystemFileDialogs>());
    windows.setSoilFileDialogs(std::make_unique<SystemSoilFileDialogs>());
    // A file that cannot be opened is reported before the window with no design appears.
    if (!request.file.isEmpty())
        windows.designFiles()->openFile(request.file);
    showCentred(windows.Form1());
    // The fonts and the PDF machinery of the note are loaded once the main window is drawn, off
    // the path of the first "Отчёт" or Ctrl+E. Not at once: on X11 the window's first frame is
    // drawn when the display has answered, after the events already queued.
    QTimer::singleShot(300, &app, &NotePdf::warmUp);
    // Page 3's note is filled in Writer ahead of "Отчёт", off the user's path.
    windows.prepareReportsAhead();
    return QApplication::exec();
}
