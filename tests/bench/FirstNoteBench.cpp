// How long "Отчёт" takes with the built-in engine, from the template to the RTF and PDF written
// (the note with its scheme and bill): the first note of the process (goal: 200 ms), after the
// warm-up that the program runs once its main window shows, and the later notes (goal: 100 ms).
//   build/korvela_first_note_bench [--cold]   (--cold: without the warm-up, for comparison)
#include "note/NoteScheme.h"
#include "report/NoteFilesEngine.h"
#include "report/NotePdf.h"
#include "report/ReportFlow.h"
#include "report/ReportSession.h"
#include "tests/note/WorkedExample.h"
#include "tests/support/RecordingSink.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstring>
#include <optional>

namespace {

const QString kTemplate = QString::fromUtf8(KORVELA_REPORT_TEMPLATE);

qint64 firstMs = -1;
qint64 warmUpMs = -1;

// One note written by the built-in engine into documents; whether it completed.
bool oneNote(const QString& documents, const DesignState& state, RecordingSink& sink) {
    const NumberText numbers(QChar(','));
    NoProgress progress;
    ReportSession session(std::vector<EngineRecord>{
        NoteFilesEngine::record(documents, [](const QString&) { return true; })});
    return guarded(sink, [&] { makeReport(session, state, numbers, kTemplate, progress, sink); });
}

void BM_BuiltInNote(benchmark::State& run) {
    const DesignState state = reporttest::workedExample();
    QTemporaryDir documents;
    RecordingSink sink;
    if (firstMs < 0) {
        QElapsedTimer first;
        first.start();
        oneNote(documents.path(), state, sink);
        firstMs = first.elapsed();
    }
    for (auto _ : run)
        oneNote(documents.path(), state, sink);
    if (!sink.errors.isEmpty() || !sink.messages.isEmpty())
        run.SkipWithError("the report did not complete");
    run.counters["first_ms"] = double(firstMs);
    run.counters["warm_up_ms"] = double(warmUpMs);
    run.SetLabel(QStringLiteral("first in the process %1 ms, after a warm-up of %2 ms")
                     .arg(firstMs)
                     .arg(warmUpMs)
                     .toStdString());
}
BENCHMARK(BM_BuiltInNote)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    bool cold = false;
    for (int i = 1; i < argc; ++i)
        cold = cold || std::strcmp(argv[i], "--cold") == 0;
    QGuiApplication app(argc, argv);
    if (!cold) {
        QElapsedTimer clock;
        clock.start();
        NotePdf::warmUp();
        warmUpMs = clock.elapsed();
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
