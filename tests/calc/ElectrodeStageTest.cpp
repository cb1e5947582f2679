// The electrode system calculation: worked designs, counts, words, variants and failures.
#include "calc/ElectrodeStage.h"
#include "base/Errors.h"
#include "calc/ResultLines.h"
#include "tests/support/QtPrinters.h"
#include "tests/support/WorkedDesign.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

namespace {

const NumberText comma(QLatin1Char(','));

using worked::Design;
using worked::rowOfAngles;

TEST(ElectrodeStage, FirstWorkedDesign) {
    Design d = rowOfAngles();
    ASSERT_TRUE(runElectrodeStage(d.in, comma, d.state));
    const ResultLines lines = resultLines(d.state, comma);
    const DesignState& s = d.state;
    EXPECT_EQ(s.AngleFlangeWidthMm, 60);
    EXPECT_EQ(s.VerticalLength, 2.5);
    EXPECT_EQ(s.StripWidthMm, 40);
    EXPECT_EQ(s.VerticalSpacing, 5);
    EXPECT_EQ(s.UtilizationHorizontal, 0.5);
    EXPECT_EQ(s.UtilizationVertical, 0.65);
    EXPECT_DOUBLE_EQ(s.VerticalMidDepth, 2.05);
    EXPECT_NEAR(s.EquivalentResistivity, 51.82, 0.005);
    EXPECT_NEAR(s.SingleVerticalResistance, 15.78, 0.005);
    EXPECT_NEAR(s.EstimatedCountRaw, 6.07, 0.005);
    EXPECT_EQ(s.EstimatedCount, 7);
    EXPECT_EQ(s.EstimatedHorizontalLength, 30);
    EXPECT_NEAR(s.HorizontalResistance, 11.59, 0.005);
    EXPECT_NEAR(s.RequiredVerticalResistance, 4.834, 0.0005);
    EXPECT_NEAR(s.RefinedCountRaw, 5.022, 0.0005);
    EXPECT_EQ(s.RefinedCount, 6);
    EXPECT_EQ(s.RefinedHorizontalLength, 25);
    EXPECT_EQ(s.RoundDiameterMm, 0);
    EXPECT_EQ(s.VerticalAdjectiveForm, QStringLiteral("вертикальных"));
    EXPECT_EQ(s.ElectrodeNounForm, QStringLiteral("заземлителей"));

    EXPECT_EQ(lines.Label17,
              QStringLiteral("Удельный расчётный коэффициент сопротивления грунта = 51,8  Ом*м ;"));
    EXPECT_EQ(lines.Label18,
              QStringLiteral("Сопротивление одного вертикального заземлителя = 15,8  Ом ;"));
    EXPECT_EQ(lines.Label19,
              QStringLiteral("Предполагаемое количество вертикальных заземлителей = 7  шт ;"));
    EXPECT_EQ(lines.Label20,
              QStringLiteral("Предполагаемая длина горизонтального заземлителя = 30  м ;"));
    EXPECT_EQ(lines.Label21,
              QStringLiteral("Сопротивление горизонтального заземлителя = 11,6  Ом ;"));
    EXPECT_EQ(lines.Label22, QStringLiteral("Полное сопротивление заземлителей = 4,8  Ом ;"));
    EXPECT_EQ(lines.Label24, QStringLiteral("соединительной полосы = 5,0  шт ;"));
    EXPECT_EQ(lines.Label25,
              QStringLiteral("Принимаем к установке  6 вертикальных заземлителей ."));
    EXPECT_EQ(lines.Label32,
              QStringLiteral("Уточнённая длина горизонтального заземлителя = 25 м;"));
}

TEST(ElectrodeStage, SecondWorkedDesignRepeatsTheLength) {
    Design d;
    DesignState& s = d.state;
    s.UpperResistivity = s.LowerResistivity = 60;
    s.ClimaticCoefVertical = 1.9;
    s.ClimaticCoefHorizontal = 5.75;
    s.UpperLayerThickness = 2;
    s.HorizontalDepth = 0.7;
    s.NormalizedResistance = 10;
    s.ElectrodeArrangement = ElectrodeArrangement::Row;
    s.ElectrodeMaterial = ElectrodeMaterial::Angle;
    d.in = {QStringLiteral("50"), QStringLiteral("3"),    QStringLiteral("40"),
            QStringLiteral("3"),  QStringLiteral("0,45"), QStringLiteral("0,6")};
    ASSERT_TRUE(runElectrodeStage(d.in, comma, s));
    const ResultLines lines = resultLines(s, comma);
    EXPECT_EQ(s.EstimatedCount, 4);
    EXPECT_EQ(s.RefinedCount, 4);
    EXPECT_EQ(s.EstimatedHorizontalLength, 9);
    EXPECT_EQ(s.RefinedHorizontalLength, 9);
    EXPECT_NEAR(s.EquivalentResistivity, 75.4967, 0.0001);
    EXPECT_NEAR(s.SingleVerticalResistance, 20.7762, 0.0001);
    EXPECT_NEAR(s.HorizontalResistance, 117.3019, 0.0001);
    EXPECT_NEAR(s.RequiredVerticalResistance, 10.3989, 0.0001);
    EXPECT_EQ(lines.Label17,
              QStringLiteral("Удельный расчётный коэффициент сопротивления грунта = 75,5  Ом*м ;"));
    EXPECT_EQ(lines.Label21,
              QStringLiteral("Сопротивление горизонтального заземлителя = 117,3  Ом ;"));
    EXPECT_EQ(lines.Label24, QStringLiteral("соединительной полосы = 3,3  шт ;"));
    EXPECT_EQ(lines.Label25, QStringLiteral("Принимаем к установке  4 вертикальных заземлителя ."));
    EXPECT_EQ(lines.Label32, QStringLiteral("Уточнённая длина горизонтального заземлителя = 9 м;"));
}

// The layer boundary at H - t0 below the top of the electrode: across the electrode the two-layer
// formula, above its top the lower soil alone, at or below its foot the upper soil alone.
// ψv = 1,25, ρ1 = 60, ρ2 = 40, t0 = 0,5, L = 2,5: ψv·ρ1 = 75, ψv·ρ1·ρ2·L = 7500, and with h the
// length in the upper soil ρeq = 7500 / (75·(2,5 - h) + 40·h).
TEST(ElectrodeStage, EquivalentResistivityByTheLayerBoundary) {
    const struct {
        double H;
        ElectrodeLayers layers;
        double rhoEq;
    } cases[] = {
        {0.25, ElectrodeLayers::LowerOnly, 40},       // boundary above the top
        {0.5, ElectrodeLayers::LowerOnly, 40},        // at the top: 7500 / 187,5
        {0.75, ElectrodeLayers::Both, 7500 / 178.75}, // h = 0,25
        {1.75, ElectrodeLayers::Both, 7500 / 143.75}, // h = 1,25
        {2.75, ElectrodeLayers::Both, 7500 / 108.75}, // h = 2,25
        {3.0, ElectrodeLayers::UpperOnly, 75},        // at the foot: 7500 / 100
        {10.0, ElectrodeLayers::UpperOnly, 75},       // far below the foot
    };
    for (const auto& c : cases) {
        Design d = rowOfAngles();
        DesignState& s = d.state;
        s.UpperResistivity = 60;
        s.LowerResistivity = 40;
        s.ClimaticCoefVertical = 1.25;
        s.HorizontalDepth = 0.5;
        s.UpperLayerThickness = c.H;
        // Whatever an earlier calculation left is overwritten.
        s.ElectrodeLayers =
            c.layers == ElectrodeLayers::Both ? ElectrodeLayers::UpperOnly : ElectrodeLayers::Both;
        ASSERT_TRUE(runElectrodeStage(d.in, comma, s)) << c.H;
        EXPECT_EQ(s.ElectrodeLayers, c.layers) << c.H;
        EXPECT_DOUBLE_EQ(s.EquivalentResistivity, c.rhoEq) << c.H;
        EXPECT_GT(s.SingleVerticalResistance, 0) << c.H;
    }
}

// At both edges the one-layer value is the two-layer formula's own.
TEST(ElectrodeStage, LayerEdgesMeetTheTwoLayerFormula) {
    const double psiV = 1.35, rho1 = 15000, rho2 = 40, L = 2.5, t0 = 0.8;
    const auto twoLayer = [&](double H) {
        return psiV * rho1 * rho2 * L / (psiV * rho1 * (L - H + t0) + rho2 * (H - t0));
    };
    for (const double H : {t0, t0 + L}) {
        Design d = rowOfAngles();
        d.state.UpperResistivity = rho1;
        d.state.LowerResistivity = rho2;
        d.state.UpperLayerThickness = H;
        ASSERT_TRUE(runElectrodeStage(d.in, comma, d.state));
        EXPECT_NEAR(d.state.EquivalentResistivity, twoLayer(H), 1e-9 * twoLayer(H)) << H;
    }
}

TEST(RoundUpCount, NextWholeNumberAbove) {
    const struct {
        double x, result;
    } cases[] = {{2.01, 3}, {2.5, 3}, {2.99, 3}, {3.0, 4},  {0.0, 1},   {0.4999, 1},
                 {0.5, 1},  {7.5, 8}, {-0.3, 1}, {-0.7, 0}, {-2.3, -1}, {-2.7, -2}};
    for (const auto& c : cases)
        EXPECT_EQ(RoundUpCount(c.x), c.result) << c.x;
}

// Inputs tuned so that one raw count comes out as wanted: Rn · ηv scales Ne*, ηh sets Rvg.
TEST(ElectrodeStage, SingleElectrodeNeedsOneMetreOfStrip) {
    Design d = rowOfAngles();
    d.state.NormalizedResistance = 40; // Ne* = 15.78 / 26 < 1, Ne = 1
    ASSERT_TRUE(runElectrodeStage(d.in, comma, d.state));
    const ResultLines lines = resultLines(d.state, comma);
    EXPECT_EQ(d.state.EstimatedCount, 1);
    EXPECT_EQ(d.state.EstimatedHorizontalLength, 1.0);
    // The strip resistance is that of 1 m: 0.366·ψh·ρ1/(1·ηh)·lg(2/(0.04·0.8)).
    EXPECT_NEAR(d.state.HorizontalResistance, 0.366 * 2.5 * 40 / 0.5 * std::log10(2 / 0.032), 1e-9);
    EXPECT_EQ(lines.Label20,
              QStringLiteral("Предполагаемая длина горизонтального заземлителя = 1  м ;"));
}

// Rn, ηv and ηh picked so that the refined count comes out as wanted (Rn = 3, ηv = 0.3 and
// ηh = 0.9 give Ne = 18 but Nr* = 0.035).
Design tuned(int rn, const char* etaV, const char* etaH) {
    Design d = rowOfAngles();
    d.state.NormalizedResistance = rn;
    d.in.utilizationVertical = QString::fromLatin1(etaV);
    d.in.utilizationHorizontal = QString::fromLatin1(etaH);
    return d;
}

TEST(ElectrodeStage, OneRefinedElectrodeLeavesNoStripAndSingularWords) {
    Design d = tuned(3, "0,3", "0,9");
    ASSERT_TRUE(runElectrodeStage(d.in, comma, d.state));
    const ResultLines lines = resultLines(d.state, comma);
    EXPECT_EQ(d.state.EstimatedCount, 18);
    EXPECT_EQ(d.state.RefinedCount, 1);
    EXPECT_EQ(d.state.RefinedHorizontalLength, 0);
    EXPECT_EQ(lines.Label25, QStringLiteral("Принимаем к установке  1 вертикальный заземлитель ."));
    EXPECT_EQ(lines.Label32, QStringLiteral("Уточнённая длина горизонтального заземлителя = 0 м;"));
}

TEST(ElectrodeStage, RequiredResistanceTurnsPositive) {
    Design d = tuned(1, "0,05", "0,5"); // a long strip: Rh' = 0.76 is below Rn = 1
    ASSERT_TRUE(runElectrodeStage(d.in, comma, d.state));
    const double rhPrime = d.state.HorizontalResistance / 0.5;
    ASSERT_LT(rhPrime, 1);
    EXPECT_NEAR(d.state.RequiredVerticalResistance, rhPrime / (1 - rhPrime), 1e-12);
    EXPECT_TRUE(d.state.RequiredVerticalResistanceNegated);
    EXPECT_EQ(d.state.RefinedCount, 99);
}

// The words follow Nr by three ranges.
TEST(ElectrodeWords, Ranges) {
    const struct {
        int rn;
        const char *etaV, *etaH;
        double refinedCount;
        const char* words;
    } cases[] = {
        {3, "0,3", "0,9", 1, "1 вертикальный заземлитель"},
        {1, "0,25", "0,9", 2, "2 вертикальных заземлителя"},
        {1, "0,15", "0,7", 4, "4 вертикальных заземлителя"},
        {3, "0,15", "0,7", 5, "5 вертикальных заземлителей"},
        {1, "0,5", "0,7", 21, "21 вертикальных заземлителей"},
        {1, "0,45", "0,7", 22, "22 вертикальных заземлителей"},
    };
    for (const auto& c : cases) {
        Design d = tuned(c.rn, c.etaV, c.etaH);
        ASSERT_TRUE(runElectrodeStage(d.in, comma, d.state));
        const ResultLines lines = resultLines(d.state, comma);
        EXPECT_EQ(d.state.RefinedCount, c.refinedCount);
        EXPECT_EQ(lines.Label25, QStringLiteral("Принимаем к установке  ") +
                                     QString::fromUtf8(c.words) + QStringLiteral(" ."));
    }
}

// Below one electrode the words stay as the last calculation left them: empty at first.
TEST(ElectrodeWords, BelowOneKeepsTheEarlierWords) {
    Design d = rowOfAngles();
    d.in.utilizationVertical = QStringLiteral("-1"); // negative counts: Nr < 1
    ASSERT_TRUE(runElectrodeStage(d.in, comma, d.state));
    ResultLines lines = resultLines(d.state, comma);
    ASSERT_LT(d.state.RefinedCount, 1);
    EXPECT_EQ(lines.Label25, QStringLiteral("Принимаем к установке  ") +
                                 comma.general(d.state.RefinedCount) + QStringLiteral("   ."));

    d.in.utilizationVertical = QStringLiteral("0,65");
    ASSERT_TRUE(runElectrodeStage(d.in, comma, d.state));
    d.in.utilizationVertical = QStringLiteral("-1");
    ASSERT_TRUE(runElectrodeStage(d.in, comma, d.state));
    lines = resultLines(d.state, comma);
    EXPECT_EQ(d.state.ElectrodeNounForm, QStringLiteral("заземлителей"));
    EXPECT_TRUE(lines.Label25.endsWith(QStringLiteral(" вертикальных заземлителей .")));
}

TEST(ElectrodeStage, RoundSectionUsesTheDiameter) {
    Design d = rowOfAngles();
    d.state.ElectrodeMaterial = ElectrodeMaterial::RoundSection;
    d.in.electrodeSizeMm = QStringLiteral("16");
    ASSERT_TRUE(runElectrodeStage(d.in, comma, d.state));
    const DesignState& s = d.state;
    EXPECT_EQ(s.RoundDiameterMm, 16);
    EXPECT_EQ(s.AngleFlangeWidthMm, 16);
    // d = 0.016 m: Rv = 0.366·51.8234/2.5·(lg(312.5) + 0.5·lg(10.7/5.7)).
    EXPECT_NEAR(s.SingleVerticalResistance, 19.965847, 1e-6);
    EXPECT_EQ(s.EstimatedCount, 8);
    EXPECT_EQ(s.EstimatedHorizontalLength, 35);
    EXPECT_NEAR(s.HorizontalResistance, 10.214571, 1e-6);
    EXPECT_NEAR(s.RequiredVerticalResistance, 4.973879, 1e-6);
    EXPECT_EQ(s.RefinedCount, 7);
    EXPECT_EQ(s.RefinedHorizontalLength, 30);
}

TEST(ElectrodeStage, ContourHasAsManySegmentsAsElectrodes) {
    Design d = rowOfAngles();
    d.state.ElectrodeArrangement = ElectrodeArrangement::Contour;
    d.in.utilizationHorizontal = QStringLiteral("0,34");
    d.in.utilizationVertical = QStringLiteral("0,55");
    ASSERT_TRUE(runElectrodeStage(d.in, comma, d.state));
    const DesignState& s = d.state;
    EXPECT_EQ(s.EstimatedCount, 8);
    EXPECT_EQ(s.EstimatedHorizontalLength, 40); // 8 · 5
    EXPECT_NEAR(s.HorizontalResistance, 13.455882, 1e-6);
    EXPECT_NEAR(s.RequiredVerticalResistance, 4.449740, 1e-6);
    EXPECT_EQ(s.RefinedCount, 7);
    EXPECT_EQ(s.RefinedHorizontalLength, 35); // 7 · 5
}

TEST(ElectrodeStage, GateReadsNothingWithoutBothSelectors) {
    for (auto [arrangement, material] :
         {std::pair{ElectrodeArrangement::None, ElectrodeMaterial::Angle},
          std::pair{ElectrodeArrangement::Row, ElectrodeMaterial::None}}) {
        Design d = rowOfAngles();
        d.state.ElectrodeArrangement = arrangement;
        d.state.ElectrodeMaterial = material;
        d.in.electrodeSizeMm.clear(); // would fail if it were read
        EXPECT_FALSE(runElectrodeStage(d.in, comma, d.state));
        EXPECT_EQ(d.state.AngleFlangeWidthMm, 0);
    }
}

// Each failure stops the calculation where it happens; the fields before it are stored, the
// later ones keep what they held.
TEST(ElectrodeStage, FailuresKeepTheEarlierStores) {
    enum Stored { B = 1, L = 2, BS = 4, A = 8, EH = 16, EV = 32, REQ = 64, RV = 128 };
    const int beforeRhoEq = B | L | BS | A | EH | EV;
    struct Case {
        const char* what;
        std::function<void(Design&)> spoil;
        const char* message;
        int stored;
    };
    const Case cases[] = {
        {"b empty", [](Design& d) { d.in.electrodeSizeMm.clear(); },
         "'' is not a valid integer value", 0},
        {"b 12,5", [](Design& d) { d.in.electrodeSizeMm = QStringLiteral("12,5"); },
         "'12,5' is not a valid integer value", 0},
        {"L with a point", [](Design& d) { d.in.verticalLength = QStringLiteral("2.5"); },
         "'2.5' is not a valid floating point value", B},
        {"bs empty", [](Design& d) { d.in.stripWidthMm.clear(); },
         "'' is not a valid integer value", B | L},
        {"a letters", [](Design& d) { d.in.spacing = QStringLiteral("x"); },
         "'x' is not a valid floating point value", B | L | BS},
        {"ηh empty", [](Design& d) { d.in.utilizationHorizontal.clear(); },
         "'' is not a valid floating point value", B | L | BS | A},
        {"ηv with a point", [](Design& d) { d.in.utilizationVertical = QStringLiteral("0.65"); },
         "'0.65' is not a valid floating point value", B | L | BS | A | EH},
        {"zero denominator of ρeq", // half of L in each layer, ψv·ρ1 = -ρ2
         [](Design& d) {
             d.state.ClimaticCoefVertical = -1;
             d.state.HorizontalDepth = 0.5;
             d.state.UpperLayerThickness = 1.75;
         },
         "Floating point division by zero", beforeRhoEq},
        {"b = 0", [](Design& d) { d.in.electrodeSizeMm = QStringLiteral("0"); },
         "Floating point division by zero", beforeRhoEq | REQ},
        {"L = 0", [](Design& d) { d.in.verticalLength = QStringLiteral("0"); },
         "Floating point division by zero", beforeRhoEq | REQ},
        {"4t = L", [](Design& d) { d.state.HorizontalDepth = -0.625; },
         "Floating point division by zero", beforeRhoEq | REQ},
        {"4t < L", [](Design& d) { d.state.HorizontalDepth = -1; },
         "Invalid floating point operation", beforeRhoEq | REQ},
        {"Rn · ηv = 0", [](Design& d) { d.state.NormalizedResistance = 0; },
         "Floating point division by zero", beforeRhoEq | REQ | RV},
        {"bs = 0", [](Design& d) { d.in.stripWidthMm = QStringLiteral("0"); },
         "Floating point division by zero", beforeRhoEq | REQ | RV},
        {"t0 = 0 under the strip", [](Design& d) { d.state.HorizontalDepth = 0; },
         "Floating point division by zero", beforeRhoEq | REQ | RV},
        {"tiny ηv", [](Design& d) { d.in.utilizationVertical = QStringLiteral("1E-320"); },
         "Floating point overflow", beforeRhoEq | REQ | RV},
    };
    constexpr double kOld = -7;
    for (const Case& c : cases) {
        Design d = rowOfAngles();
        DesignState& s = d.state;
        s.AngleFlangeWidthMm = s.StripWidthMm = static_cast<int>(kOld);
        s.VerticalLength = s.VerticalSpacing = s.UtilizationHorizontal = s.UtilizationVertical =
            s.EquivalentResistivity = s.SingleVerticalResistance = s.RefinedCount = kOld;
        c.spoil(d);
        try {
            runElectrodeStage(d.in, comma, s);
            ADD_FAILURE() << c.what;
        } catch (const UserError& e) {
            EXPECT_EQ(e.message(), QString::fromUtf8(c.message)) << c.what;
        }
        const std::pair<double, int> fields[] = {
            {s.AngleFlangeWidthMm, B},      {s.VerticalLength, L},
            {s.StripWidthMm, BS},           {s.VerticalSpacing, A},
            {s.UtilizationHorizontal, EH},  {s.UtilizationVertical, EV},
            {s.EquivalentResistivity, REQ}, {s.SingleVerticalResistance, RV}};
        for (const auto& [value, flag] : fields)
            EXPECT_EQ(value != kOld, bool(c.stored & flag)) << c.what << " field " << flag;
        EXPECT_EQ(s.RefinedCount, kOld) << c.what;
    }
}

} // namespace
