// Starts like the program ("full": every window created, the main window shown) or as a bare
// Qt Widgets window ("bare"), lets the first frame be drawn, prints the resident memory and quits.
#include "app/MainWindow.h"
#include "app/WindowSet.h"
#include "base/NumberText.h"
#include "widgets/BoxMessageSink.h"
#include "widgets/Windows.h"

#include <QApplication>
#include <QFile>
#include <QLocale>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <cstring>
#include <memory>

namespace {
long residentKb() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    }
    return -1;
}
} // namespace

int main(int argc, char* argv[]) {
    const bool bare = argc > 1 && std::strcmp(argv[1], "bare") == 0;
    QApplication app(argc, argv);
    std::unique_ptr<QWidget> plain;
    std::unique_ptr<WindowSet> windows;
    const NumberText numbers(QLocale::system().decimalPoint().front());
    BoxMessageSink sink;
    if (bare) {
        plain = std::make_unique<QWidget>();
        plain->resize(737, 425);
        plain->show();
    } else {
        substituteFormFont();
        windows = std::make_unique<WindowSet>(numbers, sink);
        windows->Form1()->show();
    }
    QTimer::singleShot(0, [] {
        std::printf("rss_kb %ld\n", residentKb());
        QApplication::quit();
    });
    return QApplication::exec();
}
