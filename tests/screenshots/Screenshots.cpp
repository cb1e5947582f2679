// Writes a PNG of every window of the program into the folder given as the first argument.
#include "app/MainWindow.h"
#include "app/NumberText.h"
#include "app/WindowSet.h"
#include "tests/support/RecordingSink.h"
#include "tests/support/WindowTest.h"

#include <QApplication>
#include <QDir>
#include <QTabWidget>
#include <QWidget>

namespace {
void save(QWidget* w, const QString& folder, const QString& name) {
    w->show();
    QApplication::processEvents();
    w->grab().save(QDir(folder).filePath(name + QStringLiteral(".png")));
    w->hide();
}
} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    windowtest::useProgramFonts();
    const QString folder =
        argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("screenshots");
    QDir().mkpath(folder);

    const NumberText numbers(QLatin1Char(','));
    RecordingSink sink;
    WindowSet windows(numbers, sink);
    TForm1* main = windows.Form1();
    main->show();
    auto* pages = main->findChild<QTabWidget*>(QStringLiteral("PageControl1"));
    for (int page = 0; page < 3; ++page) {
        pages->setCurrentIndex(page);
        QApplication::processEvents();
        main->grab().save(QDir(folder).filePath(QStringLiteral("main-page%1.png").arg(page + 1)));
    }
    for (QWidget* w : main->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (w->isWindow())
            save(w, folder, w->objectName().toLower());
    }
    return 0;
}
