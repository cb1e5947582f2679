// The equipment schedule of a bill: its rows in the form's columns, masses worked out by hand.
#include "calc/EquipmentSchedule.h"

#include "tests/support/QtPrinters.h"

#include <gtest/gtest.h>

namespace {

const NumberText numbers(QLatin1Char(','));

DesignState design(ElectrodeMaterial material, int size, double length, double count,
                   double strip) {
    DesignState s;
    s.ElectrodeArrangement = ElectrodeArrangement::Row;
    s.ElectrodeMaterial = material;
    s.AngleFlangeWidthMm = size;
    if (material == ElectrodeMaterial::RoundSection)
        s.RoundDiameterMm = size;
    s.StripWidthMm = 40;
    s.VerticalLength = length;
    s.RefinedCount = count;
    s.RefinedHorizontalLength = strip;
    return s;
}

TEST(EquipmentSchedule, RowsInTheColumnsOfTheForm) {
    const struct {
        const char* name;
        DesignState state;
        std::vector<QStringList> texts;
    } cases[] = {
        // 5·(2·50 − 5) = 475 mm² → 3.72875 kg/m, × 3 m = 11.18625 kg; 160 mm² → 1.256 kg/m;
        // 10·11.18625 + 27·1.256 = 145.7745 kg.
        {"angle",
         design(ElectrodeMaterial::Angle, 50, 3, 10, 27),
         {{"1", "Уголок стальной 50×50×5, L = 3 м", "ГОСТ 8509-93", "", "", "шт", "10", "11,19",
           ""},
          {"2", "Полоса стальная 40×4", "ГОСТ 103-2006", "", "", "м", "27,00", "1,26", ""},
          {"", "Итого масса стали", "", "", "", "", "", "", "145,77 кг"}}},
        // π·16²/4 = 201.062 mm² → 1.578336 kg/m, × 2.5 m = 3.94584 kg; one electrode, no strip.
        {"round, no strip",
         design(ElectrodeMaterial::RoundSection, 16, 2.5, 1, 0),
         {{"1", "Круг стальной ⌀16, L = 2,5 м", "ГОСТ 2590-2006", "", "", "шт", "1", "3,95", ""},
          {"", "Итого масса стали", "", "", "", "", "", "", "3,95 кг"}}},
        {"nothing calculated", DesignState{}, {}},
    };
    for (const auto& c : cases) {
        const EquipmentSchedule schedule =
            equipmentSchedule(billOfMaterials(c.state, SteelThickness{}), numbers);
        EXPECT_EQ(equipmentScheduleTexts(schedule, numbers), c.texts) << c.name;
    }
    EXPECT_EQ(equipmentScheduleColumns().size(), 9);
}

} // namespace
