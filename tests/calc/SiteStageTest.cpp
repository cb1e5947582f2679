// The site stage: soil look-up, the order of the stores and the gate on both soils.
#include "calc/SiteStage.h"
#include "base/Errors.h"
#include "tables/SoilTable.h"
#include "tests/support/QtPrinters.h"

#include <gtest/gtest.h>

namespace {

const NumberText comma(QLatin1Char(','));

SiteInputs goodSite() {
    SiteInputs in;
    in.upperSoilPosition = 7; // Садовая земля-40
    in.lowerSoilPosition = 7;
    in.climaticVertical = QStringLiteral("1,35");
    in.climaticHorizontal = QStringLiteral("2,5");
    in.upperLayerThickness = QStringLiteral("3");
    in.horizontalDepth = QStringLiteral("0,8");
    in.normalizedResistance = QStringLiteral("4");
    return in;
}

TEST(SoilTable, ItemsAndResistivities) {
    ASSERT_EQ(kSoils.size(), 18u);
    const struct {
        int position;
        const char16_t* item;
        double resistivity;
    } cases[] = {{0, u"Торф-25", 25},
                 {4, u"Кокс-2,5", 2.5},
                 {8, u"Речная вода-1000", 1000},
                 {13, u"Кварц-15000", 15000},
                 {17, u"Смешанный грунт-10", 10}};
    for (const auto& c : cases) {
        EXPECT_EQ(QString::fromUtf16(kSoils[c.position].item), QString::fromUtf16(c.item));
        EXPECT_EQ(kSoils[c.position].resistivity, c.resistivity);
    }
    // The number after the dash is the resistivity, for every item.
    for (const Soil& soil : kSoils) {
        const QString item = QString::fromUtf16(soil.item);
        EXPECT_EQ(comma.readDecimal(item.mid(item.lastIndexOf(QLatin1Char('-')) + 1)),
                  soil.resistivity)
            << item.toStdString();
    }
}

TEST(SiteStage, StoresEverythingAndOpensTheNextPage) {
    DesignState s;
    SiteInputs in = goodSite();
    in.upperSoilPosition = 4;
    in.lowerSoilPosition = 13;
    EXPECT_TRUE(runSiteStage(in, comma, s));
    EXPECT_EQ(s.UpperResistivity, 2.5);
    EXPECT_EQ(s.LowerResistivity, 15000);
    EXPECT_EQ(s.ClimaticCoefVertical, 1.35);
    EXPECT_EQ(s.ClimaticCoefHorizontal, 2.5);
    EXPECT_EQ(s.UpperLayerThickness, 3);
    EXPECT_EQ(s.HorizontalDepth, 0.8);
    EXPECT_EQ(s.NormalizedResistance, 4);
    EXPECT_EQ(s.UpperSoilName, QStringLiteral("Кокс-2,5"));
    EXPECT_EQ(s.LowerSoilName, QStringLiteral("Кварц-15000"));
}

TEST(SiteStage, NoSoilPickedKeepsTheEarlierValue) {
    DesignState s;
    SiteInputs in = goodSite();
    in.upperSoilPosition = -1;
    EXPECT_FALSE(runSiteStage(in, comma, s)); // first press: ρ1 is still 0
    EXPECT_EQ(s.UpperResistivity, 0);
    EXPECT_EQ(s.LowerResistivity, 40);
    EXPECT_EQ(s.NormalizedResistance, 4); // everything else was stored all the same

    in.upperSoilPosition = 2; // Глина-60
    EXPECT_TRUE(runSiteStage(in, comma, s));
    in.upperSoilPosition = -1;
    EXPECT_TRUE(runSiteStage(in, comma, s));
    EXPECT_EQ(s.UpperResistivity, 60);
    EXPECT_EQ(s.UpperSoilName, QStringLiteral("Глина-60"));
}

// A bad text stops the stage there: earlier fields hold their new values, later ones the old.
TEST(SiteStage, FailuresStopAtTheirStep) {
    struct Case {
        const char* what;
        void (*spoil)(SiteInputs&);
        const char* message;
        int storedBefore; // how many of ψv, ψh, H, t0, Rn were stored
    };
    const Case cases[] = {
        {"ψv empty", [](SiteInputs& in) { in.climaticVertical.clear(); },
         "'' is not a valid floating point value", 0},
        {"ψh with a point", [](SiteInputs& in) { in.climaticHorizontal = QStringLiteral("2.5"); },
         "'2.5' is not a valid floating point value", 1},
        {"H with a point", [](SiteInputs& in) { in.upperLayerThickness = QStringLiteral("1.5"); },
         "'1.5' is not a valid floating point value", 2},
        {"t0 letters", [](SiteInputs& in) { in.horizontalDepth = QStringLiteral("abc"); },
         "'abc' is not a valid floating point value", 3},
        {"Rn decimal", [](SiteInputs& in) { in.normalizedResistance = QStringLiteral("4,5"); },
         "'4,5' is not a valid integer value", 4},
        {"Rn empty", [](SiteInputs& in) { in.normalizedResistance.clear(); },
         "'' is not a valid integer value", 4},
    };
    for (const Case& c : cases) {
        DesignState s;
        s.ClimaticCoefVertical = s.ClimaticCoefHorizontal = s.UpperLayerThickness =
            s.HorizontalDepth = -1;
        s.NormalizedResistance = -1;
        SiteInputs in = goodSite();
        c.spoil(in);
        try {
            runSiteStage(in, comma, s);
            ADD_FAILURE() << c.what;
        } catch (const ConversionError& e) {
            EXPECT_EQ(e.message(), QString::fromUtf8(c.message)) << c.what;
        }
        EXPECT_EQ(s.UpperResistivity, 40) << c.what;
        const double stored[] = {s.ClimaticCoefVertical, s.ClimaticCoefHorizontal,
                                 s.UpperLayerThickness, s.HorizontalDepth,
                                 double(s.NormalizedResistance)};
        for (int i = 0; i < 5; ++i)
            EXPECT_EQ(stored[i] != -1, i < c.storedBefore) << c.what << " field " << i;
    }
}

TEST(SiteStage, ZeroAndOddValuesAreAccepted) {
    DesignState s;
    SiteInputs in = goodSite();
    in.upperLayerThickness = QStringLiteral("0");
    in.horizontalDepth = QStringLiteral("5"); // deeper than the layer: shows only later
    in.normalizedResistance = QStringLiteral("$A");
    EXPECT_TRUE(runSiteStage(in, comma, s));
    EXPECT_EQ(s.NormalizedResistance, 10);
}

} // namespace
