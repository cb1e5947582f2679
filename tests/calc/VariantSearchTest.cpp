// The variant search: the best design of three sites, the column rule at its edges, a site where
// nothing meets the norm, and bad input.
#include "calc/VariantSearch.h"
#include "calc/VariantColumns.h"
#include "calc/VariantListText.h"
#include "calc/VariantTexts.h"
#include "tests/support/QtPrinters.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace {

const NumberText comma(QLatin1Char(','));

// ρ1, ρ2, ψv, ψh, H, t0, Rн as the site stage stores them.
DesignState site(double rho1, double rho2, double psiV, double psiH, double H, double t0, int Rn) {
    DesignState s;
    s.UpperResistivity = rho1;
    s.LowerResistivity = rho2;
    s.ClimaticCoefVertical = psiV;
    s.ClimaticCoefHorizontal = psiH;
    s.UpperLayerThickness = H;
    s.HorizontalDepth = t0;
    s.NormalizedResistance = Rn;
    return s;
}

// The mass by hand: round bars ⌀16 and the strip 40×4.
double roundAndStripMass(double count, double length, double stripLength) {
    const double round = std::numbers::pi * 16 * 16 / 4, strip = 40 * 4;
    return (round * count * length + strip * stripLength) / 1e6 * 7850;
}

TEST(VariantSearch, BestDesignOfThreeSites) {
    struct Case {
        DesignState site;
        ElectrodeArrangement arrangement;
        double length, spacing, count, stripLength;
    };
    const Case cases[] = {
        // Garden soil of the first worked design: two long bars far apart in a row.
        {site(40, 40, 1.35, 2.5, 3, 0.8, 4), ElectrodeArrangement::Row, 5, 15, 2, 15},
        // Sand over a worse lower layer: a contour of short bars.
        {site(100, 300, 1.5, 3.5, 2, 0.7, 4), ElectrodeArrangement::Contour, 2.5, 5, 31, 155},
        // The second worked site with Rн = 10: three bars at a = L.
        {site(60, 60, 1.9, 5.75, 2, 0.7, 10), ElectrodeArrangement::Row, 3, 3, 3, 6},
    };
    for (const Case& c : cases) {
        const VariantSearchResult r = searchVariants(c.site, VariantSearchSettings{});
        ASSERT_TRUE(r.inputError.isEmpty()) << r.inputError.toStdString();
        EXPECT_EQ(r.tried, 216);
        ASSERT_FALSE(r.best.empty());
        const Variant& v = r.best.front();
        EXPECT_EQ(v.arrangement, c.arrangement);
        EXPECT_EQ(v.material, ElectrodeMaterial::RoundSection);
        EXPECT_EQ(v.sizeMm, 16);
        EXPECT_EQ(v.strip, (StripSize{40, 4}));
        EXPECT_EQ(v.length, c.length);
        EXPECT_EQ(v.spacing, c.spacing);
        EXPECT_EQ(v.count, c.count);
        EXPECT_EQ(v.stripLength, c.stripLength);
        EXPECT_NEAR(v.mass, roundAndStripMass(c.count, c.length, c.stripLength), 1e-9);
        EXPECT_LE(v.resistance, v.norm);
        EXPECT_FALSE(r.byCost);
        for (std::size_t i = 1; i < r.best.size(); ++i)
            EXPECT_LE(r.best[i - 1].mass, r.best[i].mass);
    }
}

TEST(VariantSearch, ColumnOfTheSmallestCountNotBelow) {
    const VariantColumns row(kVerticalRowTable); // 2 3 5 10 15 20
    const struct {
        double count;
        std::optional<std::size_t> column;
    } cases[] = {{1, 0}, {2, 0}, {3, 1}, {4, 2}, {10, 3}, {11, 4}, {20, 5}, {21, std::nullopt}};
    for (const auto& c : cases)
        EXPECT_EQ(row.column(c.count), c.column) << c.count;
}

TEST(VariantSearch, NothingMeetsTheNorm) {
    VariantSearchSettings settings;
    settings.alongContour = false;
    const VariantSearchResult r = searchVariants(site(400, 400, 1.5, 3.5, 2, 0.7, 4), settings);
    EXPECT_EQ(r.kept, 0);
    EXPECT_TRUE(r.best.empty());
    ASSERT_TRUE(r.lowestResistance);
    EXPECT_NEAR(*r.lowestResistance, 4.1029, 1e-4);
    EXPECT_TRUE(variant_texts::nothingKept(r, comma).contains(comma.fixed2(*r.lowestResistance)));

    EXPECT_GT(r.metRaisedNorm, 0);
    settings.raisedNorm = true; // ρ = 400 Ом·м raises Rн = 4 Ом fourfold
    const VariantSearchResult raised =
        searchVariants(site(400, 400, 1.5, 3.5, 2, 0.7, 4), settings);
    ASSERT_FALSE(raised.best.empty());
    EXPECT_EQ(raised.best.front().norm, 16);

    settings.raisedNorm = false;
    settings.alongContour = true;
    settings.maxElectrodes = 1;
    const VariantSearchResult limited =
        searchVariants(site(40, 40, 1.35, 2.5, 3, 0.8, 4), settings);
    EXPECT_EQ(limited.kept, 0);
    EXPECT_GT(limited.metNorm, 0);
    EXPECT_EQ(limited.limitToRelax, VariantLimit::Electrodes);
}

TEST(VariantSearch, BadInputIsASentence) {
    const DesignState s = site(40, 40, 1.35, 2.5, 3, 0.8, 4);
    VariantSearchSettings noLengths;
    noLengths.lengths = readLengths(QStringLiteral(" ; "), comma).items;
    VariantSearchSettings tooMany;
    tooMany.lengths.assign(1000, 3.0);
    tooMany.strips.assign(100, StripSize{40, 4});
    VariantSearchSettings zeroLimit;
    zeroLimit.maxElectrodes = 0;
    for (const VariantSearchSettings& settings : {noLengths, tooMany, zeroLimit}) {
        const VariantSearchResult r = searchVariants(s, settings);
        EXPECT_FALSE(r.inputError.isEmpty());
        EXPECT_EQ(r.tried, 0);
    }
    EXPECT_FALSE(readLengths(QStringLiteral("2,5; три"), comma).error.isEmpty());
    EXPECT_FALSE(readLengths(QStringLiteral("-2,5"), comma).error.isEmpty());
    EXPECT_EQ(readAngles(QStringLiteral("50×50×5; 63x63x6")).items,
              (std::vector<AngleSize>{{50, 5}, {63, 6}}));
    EXPECT_FALSE(readAngles(QStringLiteral("50×60×5")).error.isEmpty());
    EXPECT_FALSE(readRatios(QStringLiteral("4")).error.isEmpty());
}

} // namespace
