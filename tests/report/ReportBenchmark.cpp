// How long a whole report takes with each engine (not a test):
//   build/korvela_report_bench   (scripts/bench prints it with the other figures)
// Writer is timed including its start; the built-in RTF engine from reading the template.
#include "report/ReportFlow.h"
#include "report/RtfEngine.h"
#include "report/WordAdapter.h"
#include "tests/report/WorkedExample.h"

#ifdef KORVELA_WITH_WRITER
#include "report/WriterEngine.h"
#include "report/WriterOffice.h"
#endif

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

const QString kTemplate = QString::fromUtf8(KORVELA_REPORT_TEMPLATE);

class NoProgress : public ReportProgress {
public:
    void open() override {}
    void advance(int) override {}
    void close() override {}
};

class SilentSink : public MessageSink {
public:
    void showError(const QString&) override { ++failures; }
    void showMessage(const QString&) override { ++failures; }
    int failures = 0;
};

void wholeReport(benchmark::State& run, const EngineMaker& maker) {
    const DesignState state = reporttest::workedExample();
    const NumberText numbers(QChar(','));
    NoProgress progress;
    SilentSink sink;
    WordApp.maker = maker;
    for (auto _ : run) {
        guarded(sink, [&] { makeReport(state, numbers, kTemplate, progress, sink); });
        run.PauseTiming();
        WordApp.engine.reset();
        run.ResumeTiming();
    }
    WordApp.maker = nullptr;
    if (sink.failures)
        run.SkipWithError("the report did not complete");
}

void BM_ReportWithRtfEngine(benchmark::State& run) {
    QTemporaryDir documents;
    wholeReport(run, [&] {
        return std::make_unique<RtfEngine>(documents.path(), [](const QString&) { return true; });
    });
}
BENCHMARK(BM_ReportWithRtfEngine)->Unit(benchmark::kMillisecond);

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

BENCHMARK_MAIN();
