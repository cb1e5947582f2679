// Start-up: the main window in the middle of the screen, and no display met with one plain line.
#include "app/MainWindow.h"
#include "app/Windows.h"
#include "tests/support/WizardTestBase.h"

#include <QProcess>
#include <QScreen>
#include <QTest>

class StartUpTest : public WizardTestBase {
    Q_OBJECT

private:
    static QProcess* start(QProcess& program, const QStringList& unset,
                           const QList<std::pair<QString, QString>>& set) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const QString& name : unset)
            env.remove(name);
        for (const auto& [name, value] : set)
            env.insert(name, value);
        program.setProcessEnvironment(env);
        program.start(QStringLiteral(KORVELA_PROGRAM), {});
        return &program;
    }

private slots:
    void mainWindowOpensCentred() {
        m_main->hide();
        showCentred(m_main);
        QVERIFY(QTest::qWaitForWindowExposed(m_main));
        const QPoint middle = m_main->screen()->availableGeometry().center();
        QTRY_VERIFY2((m_main->frameGeometry().center() - middle).manhattanLength() <= 2,
                     qPrintable(QStringLiteral("%1,%2")
                                    .arg(m_main->frameGeometry().center().x())
                                    .arg(m_main->frameGeometry().center().y())));
    }

    void noDisplay_data() {
        QTest::addColumn<QStringList>("unset");
        QTest::addColumn<QString>("platform");
        QTest::addColumn<QString>("display");
        const QStringList all{"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"};
        QTest::newRow("none named") << all << QString() << QString();
        QTest::newRow("X named, none there") << all << "xcb"
                                             << ":987";
    }

    void noDisplay() {
        QFETCH(QStringList, unset);
        QFETCH(QString, platform);
        QFETCH(QString, display);
        QList<std::pair<QString, QString>> set;
        if (!platform.isEmpty())
            set.append({QStringLiteral("QT_QPA_PLATFORM"), platform});
        if (!display.isEmpty())
            set.append({QStringLiteral("DISPLAY"), display});
        QProcess program;
        start(program, unset, set);
        QVERIFY(program.waitForFinished(20000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 1);
        QCOMPARE(QString::fromUtf8(program.readAllStandardError()),
                 QStringLiteral("korvela: нет графического дисплея (DISPLAY/WAYLAND_DISPLAY)\n"));
    }

    // Drawing offscreen needs no display.
    void offscreenNeedsNoDisplay() {
        QProcess program;
        start(program, {"DISPLAY", "WAYLAND_DISPLAY"},
              {{QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen")}});
        QVERIFY(program.waitForStarted());
        QVERIFY(!program.waitForFinished(1500));
        program.kill();
        program.waitForFinished();
    }
};

QTEST_MAIN(StartUpTest)
#include "StartUpTest.moc"
