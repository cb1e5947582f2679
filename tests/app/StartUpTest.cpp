// Start-up: the main window in the middle of the screen, and no display met with one plain line.
#include "app/MainWindow.h"
#include "tests/support/WizardTestBase.h"
#include "widgets/Windows.h"

#include <QProcess>
#include <QScreen>
#include <QTest>

class StartUpTest : public WizardTestBase {
    Q_OBJECT

private:
    static QProcess* start(QProcess& program, const QStringList& unset,
                           const QList<std::pair<QString, QString>>& set,
                           const QStringList& arguments = {}) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const QString& name : unset)
            env.remove(name);
        for (const auto& [name, value] : set)
            env.insert(name, value);
        program.setProcessEnvironment(env);
        program.start(QStringLiteral(KORVELA_PROGRAM), arguments);
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

    // Help and version are answered as a command answers them, with no display at all; a wrong
    // option is refused with a hint, with or without a display.
    void commandLine_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("err");
        QTest::addColumn<QString>("platform");
        QTest::newRow("version") << QStringList{"--version"} << 0 << "korvela 1.1\n"
                                 << QString() << QString();
        QTest::newRow("help") << QStringList{"--help"} << 0 << "--version" << QString()
                              << QString();
        QTest::newRow("unknown option")
            << QStringList{"--frobnicate"} << 2 << QString() << "korvela --help"
            << "offscreen";
        // Without a display a wrong command line is still named as such; Qt's own options are
        // not taken for wrong ones.
        QTest::newRow("unknown option, no display")
            << QStringList{"--no-such-option"} << 2 << QString()
            << "неизвестный параметр «no-such-option»" << QString();
        QTest::newRow("Qt's option, no display")
            << QStringList{"-style", "Fusion", "--reverse"} << 1 << QString()
            << "нет графического дисплея" << QString();
    }

    void commandLine() {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QString, out);
        QFETCH(QString, err);
        QFETCH(QString, platform);
        QList<std::pair<QString, QString>> set;
        if (!platform.isEmpty())
            set.append({QStringLiteral("QT_QPA_PLATFORM"), platform});
        QProcess program;
        start(program, {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}, set, arguments);
        QVERIFY(program.waitForFinished(20000));
        QCOMPARE(program.exitCode(), status);
        const QString stdOut = QString::fromUtf8(program.readAllStandardOutput());
        const QString stdErr = QString::fromUtf8(program.readAllStandardError());
        QVERIFY2(out.isEmpty() ? stdOut.isEmpty() : stdOut.contains(out), qPrintable(stdOut));
        QVERIFY2(err.isEmpty() ? stdErr.isEmpty() : stdErr.contains(err), qPrintable(stdErr));
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
