// How fast the scheme is drawn (goal: 30 ms): onto a picture the size of the canvas, and as SVG;
// and the drawing sheet of the design, laid out and written as PDF (goal: 100 ms) and as DXF
// (goal: 30 ms).
#include "calc/ElectrodeStage.h"
#include "documents/DrawingSheetPdf.h"
#include "documents/SchemeDxf.h"
#include "drawing/SchemeFiles.h"
#include "tests/support/WorkedDesign.h"

#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>

namespace {

const NumberText numbers(QLatin1Char(','));

DesignState calculated(ElectrodeArrangement arrangement) {
    worked::Design d = worked::rowOfAngles();
    d.state.ElectrodeArrangement = arrangement;
    d.state.UpperSoilName = d.state.LowerSoilName = QStringLiteral("Садовая земля-40");
    runElectrodeStage(d.in, numbers, d.state);
    return d.state;
}

void drawOntoPicture(benchmark::State& st, ElectrodeArrangement arrangement) {
    const SchemeDrawing drawing(calculated(arrangement), {}, numbers);
    QImage image(SchemeDrawing::canvasSize().toSize(), QImage::Format_RGB32);
    for (auto _ : st) {
        QPainter painter(&image);
        drawing.paint(painter, image.size());
    }
}
BENCHMARK_CAPTURE(drawOntoPicture, row, ElectrodeArrangement::Row)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(drawOntoPicture, contour, ElectrodeArrangement::Contour)
    ->Unit(benchmark::kMillisecond);

void drawAsSvg(benchmark::State& st) {
    const SchemeDrawing drawing(calculated(ElectrodeArrangement::Contour), {}, numbers);
    for (auto _ : st)
        benchmark::DoNotOptimize(schemeSvg(drawing));
}
BENCHMARK(drawAsSvg)->Unit(benchmark::kMillisecond);

ProjectData project() {
    ProjectData p;
    p.object = QStringLiteral("Котельная №2");
    p.documentCode = QStringLiteral("123-ЭС");
    p.organisation = QStringLiteral("ООО «Проект»");
    p.developer = QStringLiteral("Иванов И. И.");
    return p;
}

void sheetAsPdf(benchmark::State& st, ElectrodeArrangement arrangement) {
    const DesignState state = calculated(arrangement);
    for (auto _ : st)
        benchmark::DoNotOptimize(
            drawingSheetPdf(drawingSheet(state, {}, numbers, project(), SheetSize::A3)));
}
BENCHMARK_CAPTURE(sheetAsPdf, row, ElectrodeArrangement::Row)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(sheetAsPdf, contour, ElectrodeArrangement::Contour)
    ->Unit(benchmark::kMillisecond);

void sheetAsDxf(benchmark::State& st, ElectrodeArrangement arrangement) {
    const DesignState state = calculated(arrangement);
    for (auto _ : st)
        benchmark::DoNotOptimize(
            schemeDxf(drawingSheet(state, {}, numbers, project(), SheetSize::A3)));
}
BENCHMARK_CAPTURE(sheetAsDxf, row, ElectrodeArrangement::Row)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(sheetAsDxf, contour, ElectrodeArrangement::Contour)
    ->Unit(benchmark::kMillisecond);

} // namespace
