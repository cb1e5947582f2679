// How long a whole report takes with each engine (not a test):
//   build/korvela_report_bench   (scripts/bench prints it with the other figures)
// Writer is timed including its start; the built-in RTF engine from reading the template to the
// filled document, the note with its scheme (drawn as PNG) and bill of materials (goal: 80 ms).
#include "note/NoteScheme.h"
#include "report/CursorReportEngine.h"
#include "report/ReportFlow.h"
#include "report/ReportSession.h"
#include "report/RtfEngine.h"
#include "tests/note/WorkedExample.h"

#ifdef KORVELA_WITH_WRITER
#include "report/WriterEngine.h"
#include "report/WriterOffice.h"
#endif

#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <optional>

namespace {

const QString kTemplate = QString::fromUtf8(KORVELA_REPORT_TEMPLATE);

class SilentSink : public MessageSink {
public:
    void showError(const QString&) override { ++failures; }
    void showMessage(const QString&) override { ++failures; }
    int failures = 0;
};

void wholeReport(benchmark::State& run, const CursorReportEngine::CursorMaker& maker) {
    const DesignState state = reporttest::workedExample();
    const NumberText numbers(QChar(','));
    NoProgress progress;
    SilentSink sink;
    std::optional<ReportSession> session;
    for (auto _ : run) {
        run.PauseTiming();
        session.emplace(std::vector<EngineRecord>{
            CursorReportEngine::record(QStringLiteral("timed"), nullptr, maker)});
        run.ResumeTiming();
        guarded(sink, [&] { makeReport(*session, state, numbers, kTemplate, progress, sink); });
    }
    session.reset();
    if (sink.failures)
        run.SkipWithError("the report did not complete");
}

void BM_ReportWithRtfEngine(benchmark::State& run) {
    wholeReport(run, [] { return std::make_unique<RtfEngine>(); });
}
BENCHMARK(BM_ReportWithRtfEngine)->Unit(benchmark::kMillisecond);

// The part of it that draws the scheme and makes its PNG.
void BM_NoteScheme(benchmark::State& run) {
    const DesignState state = reporttest::workedExample();
    const NumberText numbers(QChar(','));
    for (auto _ : run)
        benchmark::DoNotOptimize(noteScheme(state, {}, numbers));
}
BENCHMARK(BM_NoteScheme)->Unit(benchmark::kMillisecond);

#ifdef KORVELA_WITH_WRITER
// Every iteration starts a new headless Writer and fills the template in it.
void BM_ReportWithWriterIncludingItsStart(benchmark::State& run) {
    if (WriterOffice::sofficePath().isEmpty()) {
        run.SkipWithError("soffice is not on PATH");
        return;
    }
    QTemporaryDir profiles;
    std::vector<std::shared_ptr<WriterOffice>> offices;
    wholeReport(run, [&] {
        offices.push_back(
            std::make_shared<WriterOffice>(WriterOffice::Options{true, 60000, profiles.path()}));
        return std::make_unique<WriterEngine>(offices.back());
    });
    for (const auto& office : offices)
        office->shutDown();
}
BENCHMARK(BM_ReportWithWriterIncludingItsStart)->Unit(benchmark::kMillisecond)->Iterations(5);
#endif

} // namespace
