// The choice of word processors: the first that starts does the work.
#include "report/FirstStartingEngine.h"

#include "report/EngineChoice.h"
#include "tests/report/RecordingEngine.h"
#include "tests/support/QtPrinters.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <stdexcept>

using reporttest::EngineScript;
using reporttest::RecordingEngine;

namespace {

TEST(FirstStartingEngine, FallsBackToTheNextThatStarts) {
    EngineScript writer, builtIn;
    writer.createFails = true;
    std::vector<std::unique_ptr<DocumentEngine>> candidates;
    candidates.push_back(std::make_unique<RecordingEngine>(writer));
    candidates.push_back(std::make_unique<RecordingEngine>(builtIn));
    DocumentEngine* second = candidates[1].get();
    FirstStartingEngine engine(std::move(candidates));

    EXPECT_THROW(engine.goToStart(), std::runtime_error); // nothing started yet
    engine.create();
    EXPECT_EQ(engine.started(), second);
    engine.openDocument(QStringLiteral("/t.rtf"));
    engine.goToStart();
    EXPECT_TRUE(engine.findReplace(QStringLiteral("##k"), QStringLiteral("1")));
    engine.setVisible(true);
    EXPECT_EQ(writer.calls, QStringList{"create"});
    EXPECT_EQ(builtIn.calls,
              (QStringList{"create", "open /t.rtf", "start", "replace ##k=1", "visible 1"}));
}

TEST(FirstStartingEngine, NoneStartingIsAnError) {
    EngineScript a, b;
    a.createFails = b.createFails = true;
    std::vector<std::unique_ptr<DocumentEngine>> candidates;
    candidates.push_back(std::make_unique<RecordingEngine>(a));
    candidates.push_back(std::make_unique<RecordingEngine>(b));
    FirstStartingEngine engine(std::move(candidates));
    EXPECT_THROW(engine.create(), std::runtime_error);
    EXPECT_EQ(engine.started(), nullptr);
    EXPECT_THROW(FirstStartingEngine({}).create(), std::runtime_error);
}

// A started engine that cannot open a template which is there and readable hands over to the next
// one that starts and opens it; a template that is not there stays a failure of the first.
TEST(FirstStartingEngine, TemplateTheStartedEngineCannotOpenFallsBackToTheNext) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString existing = dir.filePath(QStringLiteral("отчёт.rtf"));
    QFile file(existing);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("{\\rtf1 ##k}");
    file.close();
    const QString missing = dir.filePath(QStringLiteral("нет.rtf"));

    for (const QString& path : {existing, missing}) {
        SCOPED_TRACE(path.toStdString());
        EngineScript writer, builtIn;
        writer.openFails = true;
        std::vector<std::unique_ptr<DocumentEngine>> candidates;
        candidates.push_back(std::make_unique<RecordingEngine>(writer));
        candidates.push_back(std::make_unique<RecordingEngine>(builtIn));
        DocumentEngine* second = candidates[1].get();
        FirstStartingEngine engine(std::move(candidates));
        engine.create();
        engine.setVisible(false);
        if (path == missing) {
            EXPECT_THROW(engine.openDocument(path), std::runtime_error);
            EXPECT_TRUE(builtIn.calls.isEmpty());
            continue;
        }
        engine.openDocument(path);
        EXPECT_EQ(engine.started(), second);
        EXPECT_TRUE(engine.findReplace(QStringLiteral("##k"), QStringLiteral("1")));
        EXPECT_EQ(writer.calls, (QStringList{"create", "visible 0", "open " + path}));
        EXPECT_EQ(builtIn.calls,
                  (QStringList{"create", "visible 0", "open " + path, "replace ##k=1"}));
    }
}

TEST(EngineChoice, WriterIsBuiltInWhereTheSdkWasFound) {
    EXPECT_EQ(writerEngineBuilt(), bool(KORVELA_EXPECT_WRITER));
}

TEST(EngineChoice, StandardMakerAlwaysHasTheBuiltInEngineToFallBackOn) {
    // With no soffice on PATH only the RTF engine can start, and it always does.
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", "/nonexistent");
    const EngineMaker maker = standardEngineMaker(QStringLiteral("/tmp"), nullptr);
    auto engine = maker();
    ASSERT_NE(engine, nullptr);
    engine->create();
    auto* chosen = dynamic_cast<FirstStartingEngine*>(engine.get());
    ASSERT_NE(chosen, nullptr);
    EXPECT_NE(dynamic_cast<RtfEngine*>(chosen->started()), nullptr);
    qputenv("PATH", path);
}

} // namespace
