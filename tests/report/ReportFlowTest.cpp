// The report flow over a recording word processor: order of calls, retries, messages, progress.
#include "report/ReportFlow.h"

#include "note/ReportRows.h"
#include "report/ReportSession.h"
#include "tests/note/WorkedExample.h"
#include "tests/report/RecordingEngine.h"
#include "tests/support/QtPrinters.h"
#include "tests/support/RecordingSink.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

using reporttest::callOf;
using reporttest::EngineScript;
using reporttest::RecordingEngine;
using reporttest::recordingEngines;

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
    explicit Outcome(EngineScript& script) : session(recordingEngines(script)) {}

    ReportSession session;
    RecordingProgress progress;
    RecordingSink sink;
    bool completed = false;
};

// Presses "Отчёт" as the window does: inside the handler guard.
void press(Outcome& run, const DesignState& state) {
    run.completed = guarded(run.sink, [&] {
        makeReport(run.session, state, kComma, kTemplate, run.progress, run.sink);
    });
}

TEST(ReportFlow, CallsTheWordProcessorInOrderAndShowsTheFilledDocument) {
    EngineScript script;
    const DesignState state = reporttest::workedExample();
    Outcome run(script);
    press(run, state);

    QStringList expected = {"create", "visible 0", "open " + kTemplate};
    QStringList advances = {"open"};
    for (const ReportRow& row : reportRows(state, kComma)) {
        expected << "start" << callOf(row);
        if (row.step)
            advances << QStringLiteral("advance %1").arg(row.step);
    }
    expected << "visible 1";
    advances << "close";
    EXPECT_EQ(script.calls, expected);
    EXPECT_EQ(run.progress.events, advances);
    EXPECT_EQ(run.progress.value, 123);
    EXPECT_TRUE(run.completed);
    EXPECT_TRUE(run.sink.errors.isEmpty());
    EXPECT_TRUE(run.sink.messages.isEmpty());
}

// The steel thicknesses given to the report reach the note's bill of materials.
TEST(ReportFlow, TheBillTakesTheThicknessesGiven) {
    EngineScript script;
    Outcome run(script);
    run.completed = guarded(run.sink, [&] {
        makeReport(run.session, reporttest::workedExample(), kComma, kTemplate, run.progress,
                   run.sink, SteelThickness{6, 3});
    });
    ASSERT_TRUE(run.completed);
    const QStringList table = script.calls.filter(QStringLiteral("table ##vedomost&="));
    ASSERT_EQ(table.size(), 1);
    EXPECT_TRUE(table.first().contains(QStringLiteral("|Уголок стальной 60×60×6|")));
    EXPECT_TRUE(table.first().contains(QStringLiteral("|Полоса стальная 40×3|")));
    EXPECT_EQ(
        script.calls.filter(QStringLiteral("replace ##razmery&=Толщина полосы δп = 3 мм")).size(),
        1);
}

TEST(ReportFlow, WithoutMaterialTheSizeRowsAreLeftOut) {
    EngineScript script;
    Outcome run(script);
    press(run, reporttest::workedExample(ElectrodeMaterial::None));
    EXPECT_EQ(
        script.calls.filter(QRegularExpression(QStringLiteral("^(replace|picture|table|remove) ")))
            .size(),
        59);
    EXPECT_EQ(script.calls.filter(QStringLiteral("##db&")).size(), 0);
    EXPECT_EQ(run.progress.value, 114);
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
        Outcome run(script);
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
        EXPECT_EQ(script.calls.filter(QStringLiteral("start")).size(), 62);
        EXPECT_EQ(script.calls.last(), QStringLiteral("visible 1"));
        EXPECT_EQ(run.progress.value, 123);
        EXPECT_EQ(run.progress.events.last(), QStringLiteral("close"));
        EXPECT_EQ(run.sink.messages, c.messages);
        EXPECT_TRUE(run.sink.errors.isEmpty());
    }
}

TEST(ReportFlow, TemplateThatDoesNotOpenClosesTheProgressAndSaysWhich) {
    EngineScript script;
    script.openFails = true;
    Outcome run(script);
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
    Outcome run(script);
    press(run, reporttest::workedExample());
    EXPECT_EQ(script.calls.last(), QStringLiteral("visible 1"));
    EXPECT_EQ(run.progress.events.last(), QStringLiteral("close"));
    EXPECT_EQ(run.sink.errors, QStringList{"Не удалось показать отчёт."});
    EXPECT_TRUE(run.sink.messages.isEmpty());
}

TEST(ReportFlow, NoWordProcessorClosesTheProgressWithAnError) {
    EngineScript script;
    script.createFails = true;
    Outcome run(script);
    press(run, reporttest::workedExample());
    EXPECT_EQ(script.calls, QStringList{"create"});
    EXPECT_EQ(run.progress.events, (QStringList{"open", "close"}));
    EXPECT_EQ(run.sink.errors, QStringList{"Не удалось запустить текстовый процессор для отчёта."});
}

// An engine that is no word processor: it fills the template with the rows at once.
class FillingEngine : public ReportEngine {
public:
    explicit FillingEngine(QStringList& calls) : m_calls(calls) {}
    void start() override { m_calls << QStringLiteral("start"); }
    QStringList fill(const QString& templatePath, const std::vector<ReportRow>& rows,
                     ReportProgress& progress) override {
        m_calls << QStringLiteral("fill %1 with %2 rows").arg(templatePath).arg(rows.size());
        for (const ReportRow& row : rows)
            progress.advance(row.step);
        return {};
    }
    void show() override { m_calls << QStringLiteral("show"); }

private:
    QStringList& m_calls;
};

// The engines are tried in order: one not available here is passed over, one that does not
// start hands on, and the first that starts makes the report, also when it only fills.
TEST(ReportFlow, TheFirstAvailableEngineThatStartsMakesTheReport) {
    EngineScript absent, failing, after;
    failing.createFails = true;
    QStringList filling;
    const auto cursor = [](EngineScript& script, bool available) {
        return CursorReportEngine::record(
            QStringLiteral("cursor"), [available] { return available; },
            [&script] { return std::make_unique<RecordingEngine>(script); });
    };
    const EngineRecord filler{QStringLiteral("filling"), nullptr,
                              [&] { return std::make_unique<FillingEngine>(filling); }, false};
    Outcome run(absent);
    run.session.setEngines(
        {cursor(absent, false), cursor(failing, true), filler, cursor(after, true)});
    press(run, reporttest::workedExample());

    EXPECT_TRUE(run.completed);
    EXPECT_TRUE(absent.calls.isEmpty());
    EXPECT_EQ(failing.calls, QStringList{"create"});
    EXPECT_EQ(filling, (QStringList{"start", "fill " + kTemplate + " with 62 rows", "show"}));
    EXPECT_TRUE(after.calls.isEmpty());
    EXPECT_EQ(run.progress.value, 123);
    EXPECT_TRUE(run.sink.errors.isEmpty());
    EXPECT_TRUE(run.sink.messages.isEmpty());
}

TEST(ReportFlow, TemplateIsBesideTheProgram) {
    EXPECT_EQ(reportTemplatePath(QStringLiteral("/nowhere/bin")),
              QStringLiteral("/nowhere/bin/отчёт/otchet.rtf"));
}

} // namespace
