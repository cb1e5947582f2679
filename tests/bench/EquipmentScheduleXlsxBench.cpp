// How fast the equipment schedule is saved as a spreadsheet (goal: 30 ms): a contour of 168 angles
// and its strip, to a file.
#include "documents/EquipmentScheduleXlsx.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

void equipmentScheduleXlsx(benchmark::State& st) {
    DesignState s;
    s.ElectrodeArrangement = ElectrodeArrangement::Contour;
    s.ElectrodeMaterial = ElectrodeMaterial::Angle;
    s.AngleFlangeWidthMm = 50;
    s.StripWidthMm = 40;
    s.VerticalLength = 2.5;
    s.RefinedCount = 168;
    s.RefinedHorizontalLength = 420;
    const NumberText numbers(QLatin1Char(','));
    const EquipmentSchedule schedule = equipmentSchedule(billOfMaterials(s, {}), numbers);
    ProjectData project;
    project.object = QStringLiteral("Трансформаторная подстанция 10/0,4 кВ");
    project.developer = QStringLiteral("Иванов И. И.");
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("спецификация.xlsx"));
    for (auto _ : st)
        saveEquipmentScheduleXlsx(path, schedule, project);
}
BENCHMARK(equipmentScheduleXlsx)->Unit(benchmark::kMillisecond);

} // namespace
