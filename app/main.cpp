// Start-up: the application, its windows and the event loop.
#include "app/BoxMessageSink.h"
#include "app/MainWindow.h"
#include "app/Messages.h"
#include "app/NumberText.h"
#include "app/WindowSet.h"
#include "app/Windows.h"

#include <QApplication>
#include <QLocale>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("korvela"));
    substituteFormFont();

    const NumberText numbers(QLocale::system().decimalPoint().front());
    BoxMessageSink sink;
    WindowSet windows(numbers, sink);
    windows.Form1()->show();
    return QApplication::exec();
}
