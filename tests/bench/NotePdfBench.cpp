// How long the filled note takes to become a PDF file, and how big the file is (not a test):
//   build/korvela_note_pdf_bench   (scripts/bench prints it with the other figures)
// Goals: ≤ 150 ms from the filled RTF to the PDF written, ≤ 300 KB without pictures. The label
// gives the size and the first PDF of the process, which loads the fonts.
#include "report/NotePdf.h"
#include "tests/report/FilledNote.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

qint64 firstMs = -1;

void BM_FilledNoteToPdfFile(benchmark::State& run) {
    const QByteArray note = reporttest::filledNote(reporttest::workedExample());
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("Отчёт.pdf"));
    if (firstMs < 0) {
        QElapsedTimer first;
        first.start();
        NotePdf(note).save(file);
        firstMs = first.elapsed();
    }
    for (auto _ : run)
        NotePdf(note).save(file);
    const qint64 kb = (QFileInfo(file).size() + 1023) / 1024;
    run.counters["pdf_kB"] = double(kb);
    run.counters["first_ms"] = double(firstMs);
    run.SetLabel(
        QStringLiteral("PDF %1 KB; first in the process %2 ms").arg(kb).arg(firstMs).toStdString());
}
BENCHMARK(BM_FilledNoteToPdfFile)->Unit(benchmark::kMillisecond);

} // namespace
