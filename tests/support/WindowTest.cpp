#include "tests/support/WindowTest.h"

#include "widgets/Windows.h"

#include <QTest>
#include <QWidget>

namespace windowtest {

void useProgramFonts() {
    substituteFormFont();
}

void hover(QWidget* w) {
    static int step = 0;
    step = (step + 1) % 7;
    const QPoint p(w->width() / 2 + step - 3, w->height() / 2 + (step % 3) - 1);
    QTest::mouseMove(w, p);
}

void click(QWidget* w) {
    QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center());
}

} // namespace windowtest
