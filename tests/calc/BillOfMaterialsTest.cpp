// The bill of materials: profiles, masses and the check of sizes, worked out by hand.
#include "calc/BillOfMaterials.h"

#include <gtest/gtest.h>

namespace {

const NumberText numbers(QLatin1Char(','));

struct Case {
    const char* name;
    ElectrodeMaterial material;
    int size;                    // b or d, mm
    SteelThickness thickness;    // δ, δп
    int stripWidth;              // bп, mm
    double length, count, strip; // L, Nу, Lг.у
    const char* verticalProfile;
    double verticalMass;
    const char* stripProfile; // empty: no strip
    double stripMass;
    const char* totalMass; // as the bill writes it
    double joints;
    QStringList warnings;
};

DesignState design(const Case& c) {
    DesignState s;
    s.ElectrodeArrangement = ElectrodeArrangement::Row;
    s.ElectrodeMaterial = c.material;
    s.AngleFlangeWidthMm = c.size;
    if (c.material == ElectrodeMaterial::RoundSection)
        s.RoundDiameterMm = c.size;
    s.StripWidthMm = c.stripWidth;
    s.VerticalLength = c.length;
    s.RefinedCount = c.count;
    s.RefinedHorizontalLength = c.strip;
    return s;
}

// Angle: δ·(2b − δ) mm²; round: π·d²/4; strip: bп·δп; × 7850 kg/m³ × length.
const Case kCases[] = {
    // 5·115 = 575 mm² → 4.51375 kg/m × 15 m; 160 mm² → 1.256 kg/m × 25 m.
    {"angle 60×60×5, strip 40×4",
     ElectrodeMaterial::Angle,
     60,
     {5, 4},
     40,
     2.5,
     6,
     25,
     "Уголок стальной 60×60×5",
     67.70625,
     "Полоса стальная 40×4",
     31.4,
     "99,11",
     6,
     {}},
    // 201.0619 mm² → 1.578336 kg/m × 12 m; 160 mm² × 9 m.
    {"round 16, strip 40×4",
     ElectrodeMaterial::RoundSection,
     16,
     {5, 4},
     40,
     3,
     4,
     9,
     "Круг стальной ⌀16",
     18.940034,
     "Полоса стальная 40×4",
     11.304,
     "30,24",
     4,
     {}},
    // 113.0973 mm² → 0.887814 kg/m × 3 m; no strip, no joints.
    {"one thin round, no strip",
     ElectrodeMaterial::RoundSection,
     12,
     {5, 4},
     40,
     3,
     1,
     0,
     "Круг стальной ⌀12",
     2.663442,
     "",
     0,
     "2,66",
     0,
     {QStringLiteral("Диаметр круглого вертикального заземлителя ⌀12 мм меньше наименьшего "
                     "допустимого 16 мм (ПУЭ, табл. 1.7.4)")}},
    // 3·97 = 291 mm² → 2.28435 kg/m × 6 m; 60 mm² → 0.471 kg/m × 6 m.
    {"thin angle and strip",
     ElectrodeMaterial::Angle,
     50,
     {3, 3},
     20,
     2,
     3,
     6,
     "Уголок стальной 50×50×3",
     13.7061,
     "Полоса стальная 20×3",
     2.826,
     "16,53",
     3,
     {QStringLiteral("Толщина стенки уголка δ = 3 мм меньше наименьшей допустимой 4 мм "
                     "(ПУЭ, табл. 1.7.4)"),
      QStringLiteral("Сечение полосы 20×3 = 60 мм² меньше наименьшего допустимого 100 мм² "
                     "(ПУЭ, табл. 1.7.4)"),
      QStringLiteral("Толщина полосы δп = 3 мм меньше наименьшей допустимой 4 мм "
                     "(ПУЭ, табл. 1.7.4)")}},
};

TEST(BillOfMaterials, LinesMassesJointsAndSizeWarnings) {
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        const BillOfMaterials bill = billOfMaterials(design(c), c.thickness);
        ASSERT_TRUE(bill.vertical);
        EXPECT_EQ(bill.vertical->profile, QString::fromUtf8(c.verticalProfile));
        EXPECT_DOUBLE_EQ(bill.vertical->totalLength, c.length * c.count);
        ASSERT_TRUE(bill.vertical->mass);
        EXPECT_NEAR(*bill.vertical->mass, c.verticalMass, 1e-5);
        EXPECT_EQ(bill.strip.has_value(), *c.stripProfile != 0);
        if (bill.strip) {
            EXPECT_EQ(bill.strip->profile, QString::fromUtf8(c.stripProfile));
            EXPECT_DOUBLE_EQ(bill.strip->totalLength, c.strip);
            EXPECT_NEAR(*bill.strip->mass, c.stripMass, 1e-9);
        }
        ASSERT_TRUE(bill.totalMass);
        EXPECT_NEAR(*bill.totalMass, c.verticalMass + c.stripMass, 1e-5);
        EXPECT_EQ(bill.weldedJoints, c.joints);
        EXPECT_EQ(bill.sizeWarnings, c.warnings);
        // The total row carries the total mass with two decimals.
        const std::vector<BillRow> rows = billRows(bill, numbers);
        const auto total = std::find_if(rows.begin(), rows.end(), [](const BillRow& r) {
            return r.name == QStringLiteral("Итого масса");
        });
        ASSERT_NE(total, rows.end());
        EXPECT_EQ(total->mass, QString::fromUtf8(c.totalMass));
    }
}

TEST(BillOfMaterials, RowsOfTheFirstDesign) {
    const BillOfMaterials bill = billOfMaterials(design(kCases[0]), kCases[0].thickness);
    const std::vector<BillRow> rows = billRows(bill, numbers);
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[0].pieceLength, QStringLiteral("2,50"));
    EXPECT_EQ(rows[0].count, QStringLiteral("6"));
    EXPECT_EQ(rows[0].totalLength, QStringLiteral("15,00"));
    EXPECT_EQ(rows[0].mass, QStringLiteral("67,71"));
    EXPECT_EQ(rows[1].mass, QStringLiteral("31,40"));
    EXPECT_EQ(rows[3].name, QStringLiteral("Сварные соединения"));
    EXPECT_EQ(rows[3].count, QStringLiteral("6"));
    EXPECT_EQ(static_cast<qsizetype>(billColumns().size()), 6);
}

TEST(BillOfMaterials, MassesAndLengthsWithTwoTrueDecimalsWhateverTheirSize) {
    struct Size {
        double value;
        const char* text;
    };
    for (const Size& c : {Size{999.995, "1000,00"}, Size{1000, "1000,00"},
                          Size{1566.075, "1566,08"}, Size{123456.789, "123456,79"}}) {
        SCOPED_TRACE(c.text);
        BillOfMaterials bill;
        bill.vertical = BillLine{QStringLiteral("Уголок стальной 50×50×5"),
                                 2.5,
                                 168,
                                 c.value,
                                 c.value,
                                 c.value / 168,
                                 QStringLiteral("ГОСТ 8509-93")};
        bill.strip =
            BillLine{QStringLiteral("Полоса стальная 40×4"), c.value, 1, c.value, c.value, 1.256,
                     QStringLiteral("ГОСТ 103-2006")};
        bill.totalMass = c.value;
        const std::vector<BillRow> rows = billRows(bill, numbers);
        ASSERT_EQ(rows.size(), 3u);
        const QString text = QString::fromUtf8(c.text);
        EXPECT_EQ(rows[0].totalLength, text);
        EXPECT_EQ(rows[0].mass, text);
        EXPECT_EQ(rows[1].pieceLength, text);
        EXPECT_EQ(rows[1].mass, text);
        EXPECT_EQ(rows[2].mass, text);
    }
}

TEST(BillOfMaterials, NothingBeforeAMaterialIsChosen) {
    const BillOfMaterials bill = billOfMaterials(DesignState{}, {});
    EXPECT_FALSE(bill.vertical);
    EXPECT_FALSE(bill.strip);
    EXPECT_FALSE(bill.totalMass);
    EXPECT_TRUE(billRows(bill, numbers).empty());
}

} // namespace
