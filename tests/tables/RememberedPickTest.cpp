// What the coefficient dialogs remember between confirmations, without windows.
#include "tables/RememberedPick.h"
#include "tables/ClimaticPick.h"
#include "tables/HorizontalClimaticPick.h"
#include "tables/NormalizedResistanceTable.h"
#include "tables/UtilizationTable.h"

#include <gtest/gtest.h>

namespace {

constexpr int kNone = -1; // a box without a picked item

// One confirmation of a sequence: the picked positions and the value it must hand out.
struct Step {
    int row;
    int column;
    double value;
};

struct Sequence {
    const char* name;
    std::vector<Step> steps;
};

void PrintTo(const Sequence& s, std::ostream* os) {
    *os << s.name;
}

class UtilizationPickTest : public testing::TestWithParam<Sequence> {};

// Sequences over the vertical-row table (rows: ratio 1, 2, 3; columns: 2, 3, 5, 10, 15, 20).
TEST_P(UtilizationPickTest, HandsOutTheRememberedValue) {
    RememberedPick<double> pick(kVerticalRowTable.rows);
    int n = 0;
    for (const Step& step : GetParam().steps) {
        SCOPED_TRACE(testing::Message() << "confirmation " << ++n);
        EXPECT_EQ(pick.confirm(step.row, step.column), step.value);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Sequences, UtilizationPickTest,
    testing::Values(
        Sequence{"BothPicked", {{1, 3, 0.745}, {0, 0, 0.855}, {2, 5, 0.765}}},
        Sequence{"NothingPickedAtFirstUse", {{kNone, kNone, 0.0}}},
        // The number typed, not in the list: nothing was remembered yet.
        Sequence{"NumberNotPickedAtFirstUse", {{1, kNone, 0.0}}},
        // The ratio typed before any ratio was picked: the current row still holds zeros.
        Sequence{"RatioNotPickedAtFirstUse", {{kNone, 3, 0.0}}},
        // A later unpicked number keeps the earlier value, whatever the new ratio.
        Sequence{"NumberNotPickedKeepsTheEarlierValue", {{1, 3, 0.745}, {2, kNone, 0.745}}},
        // A later unpicked ratio takes its cell from the row loaded last.
        Sequence{"RatioNotPickedUsesTheLastLoadedRow",
                 {{2, 3, 0.81}, {kNone, 0, 0.94}, {kNone, kNone, 0.94}}},
        // The row remembered by a confirmation whose number was not picked still counts.
        Sequence{"RowRememberedWithoutNumber", {{0, kNone, 0.0}, {kNone, 1, 0.78}}},
        // Positions outside the lists count as nothing picked.
        Sequence{"PositionsOutsideTheLists", {{1, 3, 0.745}, {3, 6, 0.745}, {kNone, 6, 0.745}}}),
    [](const testing::TestParamInfo<Sequence>& info) { return info.param.name; });

TEST(UtilizationPick, RemembersTheRowAndLoadsItOnlyAtConfirmation) {
    RememberedPick<double> pick(kStripContourTable.rows);
    EXPECT_FALSE(pick.rememberedRow());
    EXPECT_EQ(pick.currentRow(), std::vector<double>(9, 0.0));
    pick.confirm(1, kNone);
    EXPECT_EQ(pick.rememberedRow(), 1);
    EXPECT_EQ(pick.currentRow(), kStripContourTable.rows[1]);
    EXPECT_EQ(pick.value(), 0.0);
    EXPECT_EQ(pick.confirm(kNone, 7), 0.26);
}

TEST(NormalizedResistancePick, ZeroUntilAKindAndAVoltageArePicked) {
    RememberedPick<std::int32_t> pick(kNormalizedResistances);
    EXPECT_EQ(pick.confirm(kNone, 1), 0);
    EXPECT_EQ(pick.confirm(0, kNone), 0);
    EXPECT_EQ(pick.confirm(kNone, 1), 4);
    EXPECT_EQ(pick.confirm(2, 2), 15);
    EXPECT_EQ(pick.confirm(1, kNone), 15);
    EXPECT_EQ(pick.confirm(kNone, 0), 20);
}

struct ClimaticStep {
    std::array<bool, 4> zones;
    int type;
    double vertical;
    double horizontal;
};

struct ClimaticSequence {
    const char* name;
    std::vector<ClimaticStep> steps;
};

void PrintTo(const ClimaticSequence& s, std::ostream* os) {
    *os << s.name;
}

class ClimaticPickTest : public testing::TestWithParam<ClimaticSequence> {};

TEST_P(ClimaticPickTest, HandsOutBothCoefficients) {
    ClimaticPick pick;
    int n = 0;
    for (const ClimaticStep& step : GetParam().steps) {
        SCOPED_TRACE(testing::Message() << "confirmation " << ++n);
        const ClimaticPick::Coefficients c = pick.confirm(step.zones, step.type);
        EXPECT_EQ(c.vertical, step.vertical);
        EXPECT_EQ(c.horizontal, step.horizontal);
    }
}

constexpr std::array<bool, 4> kNoZone{false, false, false, false};
constexpr std::array<bool, 4> kZone1{true, false, false, false};
constexpr std::array<bool, 4> kZone2{false, true, false, false};
constexpr std::array<bool, 4> kZone3{false, false, true, false};
constexpr std::array<bool, 4> kZone4{false, false, false, true};

INSTANTIATE_TEST_SUITE_P(
    Sequences, ClimaticPickTest,
    testing::Values(
        ClimaticSequence{"ZoneTwoTypeTwo", {{kZone2, 1, 1.25, 4.0}}},
        ClimaticSequence{"ZoneFourTypeOne", {{kZone4, 0, 1.75, 1.75}}},
        ClimaticSequence{"ZoneOneTypeOne", {{kZone1, 0, 1.9, 5.75}}},
        ClimaticSequence{"ZoneThreeTypeTwo", {{kZone3, 1, 1.15, 2.25}}},
        // A typed type at first use: no vertical value yet, the horizontal one of the zone.
        ClimaticSequence{"TypeNotPickedAtFirstUse", {{kZone1, kNone, 0.0, 5.75}}},
        ClimaticSequence{"NothingSelectedAtFirstUse", {{kNoZone, 0, 0.0, 0.0}}},
        // An unpicked type keeps the earlier vertical value while the zone changes.
        ClimaticSequence{"TypeNotPickedKeepsTheEarlierVertical",
                         {{kZone2, 1, 1.25, 4.0}, {kZone3, kNone, 1.25, 2.25}}},
        // No zone selected: the zone values loaded last stay in force.
        ClimaticSequence{"NoZoneKeepsTheLoadedValues",
                         {{kZone4, 1, 1.1, 1.75}, {kNoZone, 0, 1.75, 1.75}}},
        // Zones are gone through in order: the last selected one wins.
        ClimaticSequence{"LastSelectedZoneWins", {{{true, false, true, false}, 0, 1.5, 2.25}}}),
    [](const testing::TestParamInfo<ClimaticSequence>& info) { return info.param.name; });

TEST(HorizontalClimaticPick, TheZoneOrTheEarlierValue) {
    HorizontalClimaticPick pick;
    EXPECT_EQ(pick.confirm(kNoZone), 0.0);
    EXPECT_EQ(pick.confirm(kZone3), 2.25);
    EXPECT_EQ(pick.confirm(kNoZone), 2.25);
    EXPECT_EQ(pick.confirm(kZone1), 5.75);
    EXPECT_EQ(pick.confirm({false, true, false, true}), 1.75);
}

// A pick restored from what another one reports goes on as that one does.
TEST(RestoredPicks, GoOnAsThePicksTheyWereTakenFrom) {
    RememberedPick<double> row(kStripContourTable.rows);
    row.confirm(2, 3);
    RememberedPick<double> rowCopy(kStripContourTable.rows);
    rowCopy.restore(row.rememberedRow(), row.value());
    EXPECT_EQ(rowCopy.currentRow(), row.currentRow());
    EXPECT_EQ(rowCopy.confirm(kNone, kNone), row.confirm(kNone, kNone));
    EXPECT_EQ(rowCopy.confirm(kNone, 5), row.confirm(kNone, 5));
    rowCopy.restore(7, 0.5); // no row of the table
    EXPECT_FALSE(rowCopy.rememberedRow());
    EXPECT_EQ(rowCopy.confirm(kNone, 1), 0.0);

    ClimaticPick climatic;
    climatic.confirm(kZone2, 1);
    climatic.confirm(kZone4, kNone);
    EXPECT_EQ(climatic.zone(), 3);
    ClimaticPick climaticCopy;
    climaticCopy.restore(climatic.zone(), climatic.vertical());
    EXPECT_EQ(climaticCopy.confirm(kNoZone, kNone).vertical, 1.25);
    EXPECT_EQ(climaticCopy.confirm(kNoZone, 0).vertical, climatic.confirm(kNoZone, 0).vertical);
    EXPECT_EQ(climaticCopy.current().horizontal, 1.75);

    HorizontalClimaticPick horizontal;
    EXPECT_FALSE(horizontal.zone());
    horizontal.confirm(kZone3);
    HorizontalClimaticPick horizontalCopy;
    horizontalCopy.restore(horizontal.zone());
    EXPECT_EQ(horizontalCopy.zone(), 2);
    EXPECT_EQ(horizontalCopy.confirm(kNoZone), 2.25);
}

} // namespace
