// The program's file dialogs leave nothing behind in the user's settings folder.
#include "widgets/SystemFileDialogs.h"
#include "widgets/FileDialog.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

class SystemFileDialogsTest : public QObject {
    Q_OBJECT

private slots:
    void dialogsWriteNoSettings() {
        const QTemporaryDir config;
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
        keepFileDialogSettingsNowhere();
        SystemFileDialogs dialogs;
        int shown = 0;
        QTimer timer;
        timer.setInterval(10);
        connect(&timer, &QTimer::timeout, [&] {
            if (auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
                ++shown;
                dialog->reject();
            }
        });
        timer.start();
        dialogs.fileToOpen(nullptr, config.path());
        dialogs.fileToSave(nullptr, config.path());
        QCOMPARE(shown, 2);
        QCOMPARE(
            QDir(config.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
            QStringList{});
    }
};

QTEST_MAIN(SystemFileDialogsTest)
#include "SystemFileDialogsTest.moc"
