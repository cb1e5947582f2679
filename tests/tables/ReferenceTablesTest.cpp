// The reference tables of the coefficient dialogs: shapes, list items and cells.
#include "tables/ClimaticTable.h"
#include "tables/NormalizedResistanceTable.h"
#include "tables/UtilizationTable.h"
#include "tests/support/QtPrinters.h"

#include <gtest/gtest.h>

#include <QString>
#include <QStringList>

namespace {

template <typename Items> QStringList texts(const Items& items) {
    QStringList list;
    for (const char16_t* item : items)
        list << QString::fromUtf16(item);
    return list;
}

struct UtilizationShape {
    const char* name;
    const UtilizationTable* table;
    QStringList numbers;
};

void PrintTo(const UtilizationShape& s, std::ostream* os) {
    *os << s.name;
}

class UtilizationShapeTest : public testing::TestWithParam<UtilizationShape> {};

// Each table has one column per electrode-number item, and only coefficients between 0 and 1.
TEST_P(UtilizationShapeTest, OneColumnPerItemAndCoefficientsBetweenZeroAndOne) {
    const UtilizationShape& shape = GetParam();
    EXPECT_EQ(texts(shape.table->numberItems), shape.numbers);
    for (const std::vector<double>& row : shape.table->rows) {
        ASSERT_EQ(row.size(), static_cast<std::size_t>(shape.numbers.size()));
        for (double cell : row) {
            EXPECT_GT(cell, 0.0);
            EXPECT_LT(cell, 1.0);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Tables, UtilizationShapeTest,
    testing::Values(
        UtilizationShape{"VerticalRow", &kVerticalRowTable, {"2", "3", "5", "10", "15", "20"}},
        UtilizationShape{
            "StripRow", &kStripRowTable, {"4", "5", "8", "10", "20", "30", "50", "65"}},
        UtilizationShape{
            "VerticalContour", &kVerticalContourTable, {"4", "6", "10", "20", "40", "60", "100"}},
        UtilizationShape{"StripContour",
                         &kStripContourTable,
                         {"4", "5", "8", "10", "20", "30", "50", "70", "100"}}),
    [](const testing::TestParamInfo<UtilizationShape>& info) { return info.param.name; });

TEST(UtilizationTables, RatioItemsAreOneTwoThree) {
    EXPECT_EQ(texts(kRatioItems), (QStringList{"1", "2", "3"}));
}

struct Cell {
    const UtilizationTable* table;
    int row;
    int column;
    double value;
};

TEST(UtilizationTables, CornersAndEdgeCells) {
    const Cell cells[] = {
        // corners
        {&kVerticalRowTable, 0, 0, 0.855},
        {&kVerticalRowTable, 0, 5, 0.48},
        {&kVerticalRowTable, 2, 0, 0.94},
        {&kVerticalRowTable, 2, 5, 0.765},
        {&kStripRowTable, 0, 0, 0.77},
        {&kStripRowTable, 0, 7, 0.2},
        {&kStripRowTable, 2, 0, 0.92},
        {&kStripRowTable, 2, 7, 0.47},
        {&kVerticalContourTable, 0, 0, 0.69},
        {&kVerticalContourTable, 0, 6, 0.36},
        {&kVerticalContourTable, 2, 0, 0.85},
        {&kVerticalContourTable, 2, 6, 0.62},
        {&kStripContourTable, 0, 0, 0.45},
        {&kStripContourTable, 0, 8, 0.19},
        {&kStripContourTable, 2, 0, 0.7},
        {&kStripContourTable, 2, 8, 0.33},
        // inner cells: ratio 2 and 10 electrodes, the strip tables' last but one columns
        {&kVerticalRowTable, 1, 3, 0.745},
        {&kVerticalRowTable, 1, 4, 0.695},
        {&kStripRowTable, 1, 3, 0.75},
        {&kStripRowTable, 2, 6, 0.49},
        {&kVerticalContourTable, 1, 2, 0.685},
        {&kVerticalContourTable, 2, 3, 0.705},
        {&kStripContourTable, 1, 7, 0.26},
        {&kStripContourTable, 1, 3, 0.4},
    };
    for (const Cell& c : cells) {
        SCOPED_TRACE(testing::Message() << "row " << c.row << ", column " << c.column);
        EXPECT_EQ(
            c.table->rows[static_cast<std::size_t>(c.row)][static_cast<std::size_t>(c.column)],
            c.value);
    }
}

// A larger ratio spreads the field less: every column grows from ratio 1 to ratio 3.
TEST(UtilizationTables, CoefficientsGrowWithTheRatio) {
    for (const UtilizationTable* table :
         {&kVerticalRowTable, &kStripRowTable, &kVerticalContourTable, &kStripContourTable}) {
        for (std::size_t column = 0; column < table->numberItems.size(); ++column) {
            EXPECT_LT(table->rows[0][column], table->rows[1][column]);
            EXPECT_LT(table->rows[1][column], table->rows[2][column]);
        }
    }
}

TEST(NormalizedResistanceTable, ItemsKeepTheirExactTexts) {
    EXPECT_EQ(texts(kEarthingKindItems),
              (QStringList{"Рабочее заземление нулевой точки трансформатора ",
                           "Повторное заземление нулевого провода на вводе в объект",
                           "Повторное заземление нулевого провода на воздушной линии"}));
    EXPECT_EQ(texts(kNetworkVoltageItems), (QStringList{"220/127", "380/220", "660/380"}));
}

// Every cell is positive too, or the dialog would never close for it.
TEST(NormalizedResistanceTable, WholeOhmsByKindAndVoltage) {
    const std::int32_t expected[3][3] = {{8, 4, 2}, {20, 10, 5}, {60, 30, 15}};
    for (std::size_t kind = 0; kind < 3; ++kind) {
        ASSERT_EQ(kNormalizedResistances[kind].size(), 3u);
        for (std::size_t voltage = 0; voltage < 3; ++voltage) {
            SCOPED_TRACE(testing::Message() << "kind " << kind << ", voltage " << voltage);
            EXPECT_EQ(kNormalizedResistances[kind][voltage], expected[kind][voltage]);
        }
    }
}

TEST(ClimaticTable, CoefficientsByZone) {
    const double expected[4][3] = {
        {1.9, 1.35, 5.75}, {1.65, 1.25, 4}, {1.5, 1.15, 2.25}, {1.75, 1.1, 1.75}};
    for (std::size_t zone = 0; zone < 4; ++zone) {
        SCOPED_TRACE(testing::Message() << "zone " << zone + 1);
        EXPECT_EQ(kClimaticZones[zone].verticalType1, expected[zone][0]);
        EXPECT_EQ(kClimaticZones[zone].verticalType2, expected[zone][1]);
        EXPECT_EQ(kClimaticZones[zone].horizontal, expected[zone][2]);
    }
}

TEST(ClimaticTable, ElectrodeTypeItemsKeepTheirExactTexts) {
    EXPECT_EQ(texts(kElectrodeTypeItems),
              (QStringList{"Длинна электродов 2-3 м и глубина заложения их вершины 0,5-0,8 м",
                           "Длинна электродов 5 м и глубина заложения их вершины 0,7-0,8 м "}));
}

} // namespace
