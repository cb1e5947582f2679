// The report flow over a recording word processor: order of calls, retries, messages, progress.
#include "report/ReportFlow.h"

#include "report/ReportRows.h"
#include "report/WordAdapter.h"
#include "tests/report/RecordingEngine.h"
#include "tests/report/WorkedExample.h"
#include "tests/support/QtPrinters.h"
#include "tests/support/RecordingSink.h"

#include <gtest/gtest.h>

using reporttest::EngineScript;
using reporttest::RecordingEngines;

namespace {

const NumberText kComma(QChar(','));
const QString kTemplate = QStringLiteral("/opt/korvela/отчёт/otchet.rtf");

class RecordingProgress : public ReportProgress {
public:
    void open() override { events << QStringLiteral("open"); }
    void advance(int step) override {
        events << QStringLiteral("advance %1").arg(step);
        value += step;
    }
    void close() override { events << QStringLiteral("close"); }

    QStringList events;
    int value = 0;
};

struct Outcome {
    RecordingProgress progress;
    RecordingSink sink;
    bool completed = false;
};

// Presses "Отчёт" as the window does: inside the handler guard.
void press(Outcome& run, const DesignState& state) {
    run.completed =
        guarded(run.sink, [&] { makeReport(state, kComma, kTemplate, run.progress, run.sink); });
}

TEST(ReportFlow, CallsTheWordProcessorInOrderAndShowsTheFilledDocument) {
    EngineScript script;
    RecordingEngines engines(script);
    const DesignState state = reporttest::workedExample();
    Outcome run;
    press(run, state);

    QStringList expected = {"create", "visible 0", "open " + kTemplate};
    QStringList advances = {"open"};
    for (const ReportRow& row : reportRows(state, kComma)) {
        expected << "start"
                 << "replace " + row.key + "=" + row.text;
        if (row.step)
            advances << QStringLiteral("advance %1").arg(row.step);
    }
    expected << "visible 1";
    advances << "close";
    EXPECT_EQ(script.calls, expected);
    EXPECT_EQ(run.progress.events, advances);
    EXPECT_EQ(run.progress.value, 120);
    EXPECT_TRUE(run.completed);
    EXPECT_TRUE(run.sink.errors.isEmpty());
    EXPECT_TRUE(run.sink.messages.isEmpty());
}

TEST(ReportFlow, WithoutMaterialTheSizeRowsAreLeftOut) {
    EngineScript script;
    RecordingEngines engines(script);
    Outcome run;
    press(run, reporttest::workedExample(ElectrodeMaterial::None));
    EXPECT_EQ(script.calls.filter(QStringLiteral("replace ")).size(), 47);
    EXPECT_EQ(script.calls.filter(QStringLiteral("##db&")).size(), 0);
    EXPECT_EQ(run.progress.value, 111);
    EXPECT_TRUE(run.sink.messages.isEmpty());
}

TEST(ReportFlow, KeysNotFoundAreTriedThreeTimesThenSkippedAndNamedOnce) {
    struct Case {
        QSet<QString> missing;
        QMap<QString, int> late;
        QStringList messages;
    };
    const Case cases[] = {
        {{"##rg&"}, {}, {"В шаблоне отчёта не найдены метки: ##rg&"}},
        {{"##lkon&", "##ro1"}, {}, {"В шаблоне отчёта не найдены метки: ##ro1, ##lkon&"}},
        {{}, {{"##hmm", 2}}, {}}, // found at the third try
        {{}, {{"##hmm", 3}}, {"В шаблоне отчёта не найдены метки: ##hmm"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.messages.join(QString()).toStdString());
        EngineScript script;
        script.missingKeys = c.missing;
        script.lateKeys = c.late;
        RecordingEngines engines(script);
        Outcome run;
        script.onCall = [&](const QString& call) {
            // The message comes after the document is shown and the progress is closed.
            if (call == QLatin1String("visible 1")) {
                EXPECT_TRUE(run.sink.messages.isEmpty());
                EXPECT_FALSE(run.progress.events.contains(QStringLiteral("close")));
            }
        };
        press(run, reporttest::workedExample());

        for (const QString& key : c.missing)
            EXPECT_EQ(script.calls.filter("replace " + key + "=").size(), 3) << key.toStdString();
        for (auto it = c.late.begin(); it != c.late.end(); ++it)
            EXPECT_EQ(script.calls.filter("replace " + it.key() + "=").size(),
                      std::min(it.value() + 1, 3));
        EXPECT_EQ(script.calls.filter(QStringLiteral("start")).size(), 50);
        EXPECT_EQ(script.calls.last(), QStringLiteral("visible 1"));
        EXPECT_EQ(run.progress.value, 120);
        EXPECT_EQ(run.progress.events.last(), QStringLiteral("close"));
        EXPECT_EQ(run.sink.messages, c.messages);
        EXPECT_TRUE(run.sink.errors.isEmpty());
    }
}

TEST(ReportFlow, TemplateThatDoesNotOpenClosesTheProgressAndSaysWhich) {
    EngineScript script;
    script.openFails = true;
    RecordingEngines engines(script);
    Outcome run;
    press(run, reporttest::workedExample());
    EXPECT_EQ(script.calls, (QStringList{"create", "visible 0", "open " + kTemplate}));
    EXPECT_EQ(run.progress.events, (QStringList{"open", "close"}));
    EXPECT_FALSE(run.completed);
    EXPECT_EQ(run.sink.errors,
              QStringList{"Не удалось открыть шаблон отчёта: /opt/korvela/отчёт/otchet.rtf."});
    EXPECT_TRUE(run.sink.messages.isEmpty());
}

TEST(ReportFlow, DocumentThatCannotBeShownIsAnErrorNotSilence) {
    EngineScript script;
    script.showFails = true;
    script.missingKeys = {QStringLiteral("##rg&")};
    RecordingEngines engines(script);
    Outcome run;
    press(run, reporttest::workedExample());
    EXPECT_EQ(script.calls.last(), QStringLiteral("visible 1"));
    EXPECT_EQ(run.progress.events.last(), QStringLiteral("close"));
    EXPECT_EQ(run.sink.errors, QStringList{"Не удалось показать отчёт."});
    EXPECT_TRUE(run.sink.messages.isEmpty());
}

TEST(ReportFlow, NoWordProcessorClosesTheProgressWithAnError) {
    EngineScript script;
    script.createFails = true;
    RecordingEngines engines(script);
    Outcome run;
    press(run, reporttest::workedExample());
    EXPECT_EQ(script.calls, QStringList{"create"});
    EXPECT_EQ(run.progress.events, (QStringList{"open", "close"}));
    EXPECT_EQ(run.sink.errors, QStringList{"Не удалось запустить текстовый процессор для отчёта."});
    EXPECT_EQ(WordApp.engine, nullptr);
}

TEST(ReportFlow, TemplateIsBesideTheProgram) {
    EXPECT_EQ(reportTemplatePath(QStringLiteral("/nowhere/bin")),
              QStringLiteral("/nowhere/bin/отчёт/otchet.rtf"));
}

// The adapter functions: every error becomes false, a failed create keeps the application.
TEST(WordAdapter, FailuresAreFalseAndAFailedCreateKeepsTheApplication) {
    EngineScript script;
    RecordingEngines engines(script);
    EXPECT_FALSE(WordSetVisible(true)); // nothing created yet
    EXPECT_FALSE(WordOpenDocument(kTemplate));
    EXPECT_FALSE(WordGoToStart());
    EXPECT_FALSE(WordFindReplace(QStringLiteral("##ro1"), QStringLiteral("40")));
    EXPECT_TRUE(script.calls.isEmpty());

    ASSERT_TRUE(WordCreate());
    DocumentEngine* first = WordApp.engine.get();
    script.createFails = true;
    EXPECT_FALSE(WordCreate());
    EXPECT_EQ(WordApp.engine.get(), first);
    // The reason of each failure is kept until the next operation starts.
    EXPECT_EQ(WordApp.lastFailure.reason, QStringLiteral("no word processor"));

    script.openFails = true;
    EXPECT_FALSE(WordOpenDocument(kTemplate));
    EXPECT_EQ(WordApp.lastFailure.reason, QStringLiteral("no such document"));
    script.missingKeys = {QStringLiteral("##ro1")};
    EXPECT_FALSE(WordFindReplace(QStringLiteral("##ro1"), QStringLiteral("40")));
    EXPECT_EQ(WordApp.lastFailure.reason, QStringLiteral("not found: ##ro1"));
    EXPECT_TRUE(WordFindReplace(QStringLiteral("##ro2"), QStringLiteral("40")));
    EXPECT_TRUE(WordApp.lastFailure.reason.isEmpty());
    EXPECT_TRUE(WordGoToStart());

    WordApp.maker = nullptr;
    EXPECT_FALSE(WordCreate());
    EXPECT_EQ(WordApp.lastFailure.reason, QStringLiteral("no word processor to start"));
}

} // namespace
