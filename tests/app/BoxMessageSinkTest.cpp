// The real message boxes: title, icon, text and the one OK button.
#include "app/BoxMessageSink.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

class BoxMessageSinkTest : public QObject {
    Q_OBJECT

    struct Seen {
        QString title, text;
        QMessageBox::Icon icon = QMessageBox::Information;
        QStringList buttons;
    };

    // Shows a box through the sink, records it once it is up and presses its button.
    template <class Show> Seen seenWhile(Show show) {
        Seen seen;
        QTimer timer;
        timer.setInterval(10);
        connect(&timer, &QTimer::timeout, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box)
                return;
            seen = {box->windowTitle(), box->text(), box->icon(), {}};
            for (QAbstractButton* b : box->buttons())
                seen.buttons << b->text();
            box->buttons().first()->click();
        });
        timer.start();
        show();
        return seen;
    }

private slots:
    void errorBoxHasTheStopIcon() {
        BoxMessageSink sink;
        const Seen seen = seenWhile(
            [&] { sink.showError(QStringLiteral("'' is not a valid floating point value.")); });
        QCOMPARE(seen.title, QStringLiteral("Корвела v1.1"));
        QCOMPARE(seen.text, QStringLiteral("'' is not a valid floating point value."));
        QCOMPARE(seen.icon, QMessageBox::Critical);
        QCOMPARE(seen.buttons, QStringList{"OK"});
    }

    void plainMessageHasNoIcon() {
        BoxMessageSink sink;
        const Seen seen = seenWhile(
            [&] { sink.showMessage(QStringLiteral("Необходимое условие не выполняется")); });
        QCOMPARE(seen.title, QStringLiteral("Корвела v1.1"));
        QCOMPARE(seen.text, QStringLiteral("Необходимое условие не выполняется"));
        QCOMPARE(seen.icon, QMessageBox::NoIcon);
        QCOMPARE(seen.buttons, QStringList{"OK"});
    }
};

QTEST_MAIN(BoxMessageSinkTest)
#include "BoxMessageSinkTest.moc"
