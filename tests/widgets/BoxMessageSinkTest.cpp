// The real message boxes: title, icon, text and the one OK button.
#include "widgets/BoxMessageSink.h"

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

    // The question to save changes: its three buttons, each giving its answer.
    void questionToSaveHasThreeAnswers_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("answer");
        QTest::newRow("save") << "Сохранить" << int(MessageSink::SaveAnswer::Save);
        QTest::newRow("discard") << "Не сохранять" << int(MessageSink::SaveAnswer::Discard);
        QTest::newRow("cancel") << "Отмена" << int(MessageSink::SaveAnswer::Cancel);
    }
    void questionToSaveHasThreeAnswers() {
        QFETCH(QString, button);
        QFETCH(int, answer);
        BoxMessageSink sink;
        Seen seen;
        QTimer timer;
        timer.setInterval(10);
        connect(&timer, &QTimer::timeout, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box)
                return;
            seen = {box->windowTitle(), box->text(), box->icon(), {}};
            for (QAbstractButton* b : box->buttons()) {
                seen.buttons << b->text();
                if (b->text() == button)
                    b->click();
            }
        });
        timer.start();
        const auto got = sink.askToSave(QStringLiteral("Сохранить изменения в «x»?"));
        QCOMPARE(int(got), answer);
        QCOMPARE(seen.title, QStringLiteral("Корвела v1.1"));
        QCOMPARE(seen.text, QStringLiteral("Сохранить изменения в «x»?"));
        QCOMPARE(seen.icon, QMessageBox::Question);
        seen.buttons.sort();
        QCOMPARE(seen.buttons, (QStringList{"Не сохранять", "Отмена", "Сохранить"}));
    }
};

QTEST_MAIN(BoxMessageSinkTest)
#include "BoxMessageSinkTest.moc"
