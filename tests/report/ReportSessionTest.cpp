// The report session: engines tried in order, the first that starts does the work, every failure
// a false result with its reason.
#include "report/ReportSession.h"

#include "report/EngineChoice.h"
#include "tests/report/RecordingEngine.h"
#include "tests/report/ReportTestSupport.h"
#include "tests/support/QtPrinters.h"

#include <QDateTime>
#include <QFile>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

using reporttest::EngineScript;
using reporttest::NoProgress;
using reporttest::RecordingEngine;

namespace {

const std::vector<ReportRow> kRows = {{QStringLiteral("##k"), QStringLiteral("1"), 0}};

std::vector<EngineRecord> recording(EngineScript& first, EngineScript& second) {
    std::vector<EngineRecord> engines;
    for (EngineScript* script : {&first, &second})
        engines.push_back(
            CursorReportEngine::record(QStringLiteral("%1").arg(engines.size()), nullptr, [script] {
                return std::make_unique<RecordingEngine>(*script);
            }));
    return engines;
}

TEST(ReportSession, FallsBackToTheNextThatStarts) {
    EngineScript writer, builtIn;
    writer.createFails = true;
    ReportSession session(recording(writer, builtIn));
    NoProgress progress;
    QStringList notFound;

    EXPECT_FALSE(session.fill(QStringLiteral("/t.rtf"), kRows, progress, notFound));
    EXPECT_EQ(session.lastFailure().reason, QStringLiteral("no word processor started"));
    ASSERT_TRUE(session.start());
    EXPECT_TRUE(session.fill(QStringLiteral("/t.rtf"), kRows, progress, notFound));
    EXPECT_TRUE(notFound.isEmpty());
    EXPECT_TRUE(session.show());
    EXPECT_EQ(writer.calls, QStringList{"create"});
    EXPECT_EQ(builtIn.calls, (QStringList{"create", "visible 0", "open /t.rtf", "start",
                                          "replace ##k=1", "visible 1"}));
}

TEST(ReportSession, NoneStartingIsAFailureThatKeepsTheEngineStartedBefore) {
    EngineScript a, b;
    ReportSession session(recording(a, b));
    ASSERT_TRUE(session.start());
    a.createFails = b.createFails = true;
    EXPECT_FALSE(session.start());
    // The reason of each failure is kept until the next operation starts.
    EXPECT_EQ(session.lastFailure().reason, QStringLiteral("no word processor"));
    // The engine started first still shows.
    EXPECT_TRUE(session.show());
    EXPECT_EQ(a.calls, (QStringList{"create", "create", "visible 1"}));

    EXPECT_FALSE(ReportSession(recording(a, b)).start());
    ReportSession none;
    EXPECT_FALSE(none.start());
    EXPECT_EQ(none.lastFailure().reason, QStringLiteral("no word processor to start"));
    EXPECT_FALSE(none.show());
}

// A started engine that cannot open a template which is there and readable hands over to the next
// one that starts and opens it; a template that is not there stays a failure of the first.
TEST(ReportSession, TemplateTheStartedEngineCannotOpenFallsBackToTheNext) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString existing = dir.filePath(QStringLiteral("отчёт.rtf"));
    ASSERT_TRUE(reporttest::writeAll(existing, "{\\rtf1 ##k}"));
    const QString missing = dir.filePath(QStringLiteral("нет.rtf"));

    for (const QString& path : {existing, missing}) {
        SCOPED_TRACE(path.toStdString());
        EngineScript writer, builtIn;
        writer.openFails = true;
        ReportSession session(recording(writer, builtIn));
        ASSERT_TRUE(session.start());
        NoProgress progress;
        QStringList notFound;
        if (path == missing) {
            EXPECT_FALSE(session.fill(path, kRows, progress, notFound));
            EXPECT_EQ(session.lastFailure().reason, QStringLiteral("no such document"));
            EXPECT_TRUE(builtIn.calls.isEmpty());
            continue;
        }
        EXPECT_TRUE(session.fill(path, kRows, progress, notFound));
        EXPECT_EQ(writer.calls, (QStringList{"create", "visible 0", "open " + path}));
        EXPECT_EQ(builtIn.calls,
                  (QStringList{"create", "visible 0", "open " + path, "start", "replace ##k=1"}));
    }
}

// A fill made ahead serves the one fill it was made of; any other fill closes its document first.
TEST(ReportSession, AFillAheadServesOnlyTheFillItWasMadeOf) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("отчёт.rtf"));
    ASSERT_TRUE(reporttest::writeAll(path, "{\\rtf1 ##k ##x}"));
    const std::vector<ReportRow> rows = {{QStringLiteral("##k"), QStringLiteral("1"), 0},
                                         {QStringLiteral("##x"), QStringLiteral("2"), 0}};
    std::vector<ReportRow> otherRows = rows;
    otherRows[0].text = QStringLiteral("3");
    const auto fill = [&](const std::vector<ReportRow>& r) {
        return QStringList{
            "visible 0", "open " + path,  "start",         "replace ##k=" + r[0].text,
            "start",     "replace ##x=2", "replace ##x=2", "replace ##x=2"};
    };

    const struct {
        const char* what;
        std::function<void(EngineScript&)> meanwhile;
        const std::vector<ReportRow>& clicked;
        bool taken;
    } cases[] = {
        {"the same rows", [](EngineScript&) {}, rows, true},
        {"other rows", [](EngineScript&) {}, otherRows, false},
        {"the template written since",
         [&](EngineScript&) {
             QFile f(path);
             ASSERT_TRUE(f.open(QIODevice::ReadWrite));
             ASSERT_TRUE(f.setFileTime(QDateTime::currentDateTime().addSecs(60),
                                       QFileDevice::FileModificationTime));
         },
         rows, false},
        {"its document closed in the word processor",
         [](EngineScript& script) { script.documentGone = true; }, rows, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EngineScript script;
        script.missingKeys = {QStringLiteral("##x")};
        ReportSession session(reporttest::recordingEngines(script, true));
        session.fillAhead(path, [&] { return rows; });
        ASSERT_TRUE(session.start());
        c.meanwhile(script);
        QStringList expected = QStringList{"create"} + fill(rows) + QStringList{"create"};
        if (!c.taken)
            expected += QStringList{"close"} + fill(c.clicked);
        expected += QStringList{"visible 1"};
        NoProgress progress;
        QStringList notFound;
        EXPECT_TRUE(session.fill(path, c.clicked, progress, notFound));
        EXPECT_EQ(notFound, QStringList{"##x"});
        EXPECT_TRUE(session.show());
        EXPECT_EQ(script.calls, expected);
    }
}

TEST(ReportSession, OnlyAnEngineThatFillsAheadDoesAndItsFillGoesWithTheSession) {
    for (const bool fillsAhead : {false, true}) {
        EngineScript script;
        {
            ReportSession session(reporttest::recordingEngines(script, fillsAhead));
            session.fillAhead(QStringLiteral("/t.rtf"), [] { return kRows; });
        }
        EXPECT_EQ(script.calls, fillsAhead ? (QStringList{"create", "visible 0", "open /t.rtf",
                                                          "start", "replace ##k=1", "close"})
                                           : QStringList{});
    }
}

TEST(EngineChoice, WriterComesFirstWhereTheSdkWasFound) {
    QStringList names;
    for (const EngineRecord& record : standardEngines(QStringLiteral("/tmp"), nullptr))
        names << record.name;
    const QStringList expected = KORVELA_EXPECT_WRITER
                                     ? QStringList{"LibreOffice Writer", "RTF и PDF"}
                                     : QStringList{"RTF и PDF"};
    EXPECT_EQ(names, expected);
}

TEST(EngineChoice, TheBuiltInEngineIsAlwaysThereToFallBackOn) {
    // With no soffice on PATH only the note's files can be made, and they always start.
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", "/nonexistent");
    ReportSession session(standardEngines(QStringLiteral("/tmp"), nullptr));
    EXPECT_TRUE(session.start());
    qputenv("PATH", path);
}

} // namespace
