// Start-up: the application, its windows and the event loop.
#include "app/BoxMessageSink.h"
#include "app/DisplayCheck.h"
#include "app/MainWindow.h"
#include "app/Messages.h"
#include "app/NumberText.h"
#include "app/WindowSet.h"
#include "app/Windows.h"

#include <QApplication>
#include <QLocale>
#include <cstdio>
#include <optional>

int main(int argc, char* argv[]) {
    if (!display::named(argc, argv)) {
        std::fputs(display::kNoDisplayLine, stderr);
        return 1;
    }
    std::optional<display::UnreachableDisplayGuard> displayGuard(std::in_place);
    QApplication app(argc, argv);
    displayGuard.reset();
    QApplication::setApplicationName(QStringLiteral("korvela"));
    substituteFormFont();

    const NumberText numbers(QLocale::system().decimalPoint().front());
    BoxMessageSink sink;
    WindowSet windows(numbers, sink);
    showCentred(windows.Form1());
    return QApplication::exec();
}
