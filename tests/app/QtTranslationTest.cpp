// The toolkit's own texts follow the system's language: the buttons of the program's save dialog,
// the menu of an edit box and the reason a file did not open.
#include "app/QtTranslation.h"
#include "widgets/SystemFileDialogs.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTranslator>

#include <memory>

class QtTranslationTest : public QObject {
    Q_OBJECT

    // The buttons of the file dialog that fileToSave shows, which is then cancelled.
    static QStringList saveDialogButtons() {
        QStringList buttons;
        QTimer timer;
        timer.setInterval(10);
        connect(&timer, &QTimer::timeout, [&] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            for (QAbstractButton* b : dialog->findChild<QDialogButtonBox*>()->buttons())
                buttons << b->text();
            dialog->reject();
        });
        timer.start();
        const QTemporaryDir folder;
        SystemFileDialogs().fileToSave(nullptr, folder.path());
        return buttons;
    }

private slots:
    void cleanup() { QLocale::setDefault(QLocale::system()); }

    void toolkitTextsFollowTheLanguage_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QStringList>("buttons");
        QTest::addColumn<QStringList>("menu");
        QTest::addColumn<QString>("reason");
        QTest::newRow("Russian") << "ru_RU" << QStringList{"&Сохранить", "Отмена"}
                                 << QStringList{"&Отменить действие", "&Повторить действие"}
                                 << "Файл или каталог не существует";
        QTest::newRow("English") << "en_US" << QStringList{"&Save", "Cancel"}
                                 << QStringList{"&Undo", "&Redo"} << "No such file or directory";
    }

    void toolkitTextsFollowTheLanguage() {
        QFETCH(QString, locale);
        QFETCH(QStringList, buttons);
        QFETCH(QStringList, menu);
        QFETCH(QString, reason);
        QLocale::setDefault(QLocale(locale));
        QTranslator translator;
        installQtTranslation(translator, QLocale());

        QLineEdit edit;
        const std::unique_ptr<QMenu> shown(edit.createStandardContextMenu());
        QStringList actions;
        for (const QAction* a : shown->actions().mid(0, menu.size()))
            actions << a->text().section(u'\t', 0, 0);
        QCOMPARE(actions, menu);
        QCOMPARE(saveDialogButtons(), buttons);
        QFile missing(QStringLiteral("/nonexistent/файл"));
        QVERIFY(!missing.open(QIODevice::ReadOnly));
        QCOMPARE(missing.errorString(), reason);
    }
};

QTEST_MAIN(QtTranslationTest)
#include "QtTranslationTest.moc"
