// The note's wording follows the design: arrangement, material, soils, the formulas used, the
// check of the installed system and the decision, for designs built by hand.
#include "calc/InstallationCheck.h"
#include "note/ReportRows.h"
#include "tests/support/QtPrinters.h"

#include <QMap>
#include <gtest/gtest.h>

namespace {

const NumberText kComma(QChar(','));

// A computed design as the electrode stage leaves it; the check is run on it as the stage does.
struct Design {
    const char* name;
    ElectrodeArrangement arrangement;
    ElectrodeMaterial material;
    double estimatedCount, estimatedLength, refinedCount, refinedLength;
    double rv, etaV, etaH, psiH, rho1, t0;
    int stripMm, rn;
    const char16_t* adjective;
    const char16_t* noun;
    QMap<QString, QString> expected; // key → the whole text of its row
};

DesignState stateOf(const Design& d) {
    DesignState s;
    s.ElectrodeArrangement = d.arrangement;
    s.ElectrodeMaterial = d.material;
    s.AngleFlangeWidthMm = s.RoundDiameterMm = 16;
    s.VerticalLength = 2.5;
    s.VerticalSpacing = d.arrangement == ElectrodeArrangement::Contour ? 3 : 5;
    s.EstimatedCount = d.estimatedCount;
    s.EstimatedHorizontalLength = d.estimatedLength;
    s.RefinedCount = d.refinedCount;
    s.RefinedHorizontalLength = d.refinedLength;
    s.SingleVerticalResistance = d.rv;
    s.UtilizationVertical = d.etaV;
    s.UtilizationHorizontal = d.etaH;
    s.ClimaticCoefHorizontal = d.psiH;
    s.UpperResistivity = d.rho1;
    s.HorizontalDepth = d.t0;
    s.StripWidthMm = d.stripMm;
    s.NormalizedResistance = d.rn;
    s.VerticalAdjectiveForm = QString::fromUtf16(d.adjective);
    s.ElectrodeNounForm = QString::fromUtf16(d.noun);
    checkInstalledSystem(s);
    return s;
}

QMap<QString, QString> textsOf(const DesignState& s) {
    QMap<QString, QString> texts;
    for (const ReportRow& row : reportRows(s, kComma)) {
        EXPECT_FALSE(texts.contains(row.key)) << row.key.toStdString();
        texts[row.key] = row.text;
    }
    return texts;
}

const QString kNotMet =
    QStringLiteral(": требование не выполняется — увеличьте число электродов или длину полосы");

const Design kDesigns[] = {
    // Contour, 13 then 12 round electrodes at 3 m. Rв/(Nу·ηв) = 30 / 7,2 = 4,1667;
    // Rг.у = (0,366·2·100 / (36·0,4))·lg(2·1296 / 0,028) = 5,0833·4,96649 = 25,25 Ом;
    // R′г.у = 63,12 Ом; R = 4,1667·63,116 / 67,282 = 3,91 Ом ≤ 10.
    {"contour of 12, passes",
     ElectrodeArrangement::Contour,
     ElectrodeMaterial::RoundSection,
     13,
     39,
     12,
     36,
     30,
     0.6,
     0.4,
     2,
     100,
     0.7,
     40,
     10,
     u"вертикальных",
     u"заземлителей",
     {{"##sxema&", "по контуру"},
      {"##mater&", "круглая сталь"},
      {"##lgf&", "по контуру длина соединительной полосы Lг = N·a = 13·3"},
      {"##lgkf&", "При расположении по контуру Lг.у = Nу·a = 12·3"},
      {"##prv&", "Сопротивление группы вертикальных заземлителей Rв / (Nу·ηв) = 30,00 / "
                 "(12·0,6) = 4,17 Ом"},
      {"##prpol&", "; её сопротивление по формуле п. 2.6 Rг.у = (0,366·ψг·ρ1 / (Lг.у·ηг))·"
                   "lg(2·Lг.у² / (bп·t0)) = (0,366·2·100 / (36·0,4))·lg(2·36² / (0,04·0,7)) = "
                   "25,25 Ом, с учётом коэффициента использования R′г.у = Rг.у / ηг = 25,25 / "
                   "0,4 = 63,12 Ом"},
      {"##prr&", "Сопротивление заземляющего устройства (вертикальные заземлители параллельно с "
                 "полосой) R = (Rв/(Nу·ηв))·R′г.у / (Rв/(Nу·ηв) + R′г.у) = 4,17·63,12 / (4,17 + "
                 "63,12) = 3,91 Ом"},
      {"##kazh&", " каждый, соединённых стальной полосой общей длиной 36 м"},
      {"##resh&", "R = 3,91 Ом ≤ Rн = 10 Ом: требование выполняется"}}},
    // One electrode, no strip: R = Rв = 117,1 Ом > 8.
    {"one electrode without strip, fails",
     ElectrodeArrangement::Row,
     ElectrodeMaterial::Angle,
     2,
     5,
     1,
     0,
     117.1,
     0.65,
     0.5,
     2.5,
     40,
     0.8,
     40,
     8,
     u"вертикальный",
     u"заземлитель",
     {{"##sxema&", "в ряд"},
      {"##mater&", "уголок"},
      {"##lgf&", "в ряд длина соединительной полосы Lг = (N − 1)·a = (2 − 1)·5"},
      {"##lgkf&", "При расположении в ряд Lг.у = (Nу − 1)·a = (1 − 1)·5"},
      {"##prpol&", " — полоса не прокладывается"},
      {"##prv&", "Вертикальный заземлитель один: его сопротивление Rв = 117,10 Ом"},
      {"##prr&", "Сопротивление заземляющего устройства R = Rв = 117,10 Ом"},
      {"##kazh&", ""},
      {"##resh&", "R = 117,10 Ом > Rн = 8 Ом" + kNotMet}}},
    // Three in a row, the count unchanged: Rв/(Nу·ηв) = 40 / 2,4 = 16,67;
    // Rг.у = (0,366·2,5·100 / 7)·lg(200 / 0,032) = 13,0714·3,79588 = 49,62; R′г.у = 70,88;
    // R = 16,667·70,882 / 87,549 = 13,49 Ом > 4.
    {"three in a row, fails",
     ElectrodeArrangement::Row,
     ElectrodeMaterial::Angle,
     3,
     10,
     3,
     10,
     40,
     0.8,
     0.7,
     2.5,
     100,
     0.8,
     40,
     4,
     u"вертикальных",
     u"заземлителя",
     {{"##lgf&", "в ряд длина соединительной полосы Lг = (N − 1)·a = (3 − 1)·5"},
      {"##lgkf&", "При Nу = N = 3 длина полосы остаётся прежней: Lг.у = Lг"},
      {"##prr&", "Сопротивление заземляющего устройства (вертикальные заземлители параллельно с "
                 "полосой) R = (Rв/(Nу·ηв))·R′г.у / (Rв/(Nу·ηв) + R′г.у) = 16,67·70,88 / (16,67 "
                 "+ 70,88) = 13,49 Ом"},
      {"##kazh&", " каждый, соединённых стальной полосой общей длиной 10 м"},
      {"##resh&", "R = 13,49 Ом > Rн = 4 Ом" + kNotMet}}},
    // One electrode whose strip the calculation takes as 1 m: Rг.у = (0,366·2,5·40 / 0,5)·
    // lg(2 / 0,032) = 73,2·1,79588 = 131,46; R′г.у = 262,92; R = 20·262,92 / 282,92 = 18,59.
    {"one electrode with the least strip, passes",
     ElectrodeArrangement::Row,
     ElectrodeMaterial::Angle,
     1,
     1,
     1,
     1,
     20,
     0.65,
     0.5,
     2.5,
     40,
     0.8,
     40,
     30,
     u"вертикальный",
     u"заземлитель",
     {{"##lgf&", "в ряд длина соединительной полосы Lг = (N − 1)·a = (1 − 1)·5 = 0 м; в расчёт "
                 "принимается Lг"},
      {"##lgkf&", "При Nу = N = 1 длина полосы остаётся прежней: Lг.у = Lг"},
      {"##prv&", "Вертикальный заземлитель один: его сопротивление Rв = 20,00 Ом"},
      {"##prr&", "Сопротивление заземляющего устройства (вертикальный заземлитель параллельно с "
                 "полосой) R = Rв·R′г.у / (Rв + R′г.у) = 20,00·262,92 / (20,00 + 262,92) = "
                 "18,59 Ом"},
      {"##kazh&", ", присоединённый к стальной полосе длиной 1 м"},
      {"##resh&", "R = 18,59 Ом ≤ Rн = 30 Ом: требование выполняется"}}},
    // A strip width of 0: the strip's resistance, and so R, cannot be computed.
    {"strip not computable",
     ElectrodeArrangement::Row,
     ElectrodeMaterial::Angle,
     7,
     30,
     6,
     25,
     15.78,
     0.65,
     0.5,
     2.5,
     40,
     0.8,
     0,
     4,
     u"вертикальных",
     u"заземлителей",
     {{"##prpol&", "; её сопротивление по формуле п. 2.6 вычислить нельзя: при этих значениях "
                   "формула не даёт положительного сопротивления"},
      {"##prv&", "Сопротивление группы вертикальных заземлителей Rв / (Nу·ηв) = 15,78 / (6·0,65) "
                 "= 4,05 Ом"},
      {"##prr&", "Сопротивление заземляющего устройства R вычислить нельзя, так как не "
                 "вычислены его части"},
      {"##resh&", "сопротивление заземляющего устройства не вычислено, выполнение требования R ≤ "
                  "Rн = 4 Ом не подтверждено"}}},
};

TEST(ReportNote, FollowsTheDesign) {
    for (const Design& d : kDesigns) {
        SCOPED_TRACE(d.name);
        const QMap<QString, QString> texts = textsOf(stateOf(d));
        for (auto it = d.expected.begin(); it != d.expected.end(); ++it)
            EXPECT_EQ(texts.value(it.key(), QStringLiteral("<missing>")), it.value())
                << it.key().toStdString();
    }
}

TEST(ReportNote, CheckNeverThrowsAndLeavesWhatCannotBeComputedEmpty) {
    struct Case {
        const char* name;
        double count, length, etaV;
        bool group, strip, total;
    };
    const Case cases[] = {
        {"no electrode", 0, 0, 0.65, false, false, false},
        {"utilization 0", 6, 25, 0, false, true, false},
        {"negative strip", 6, -5, 0.65, true, false, false},
        {"strip too short for the formula", 2, 0.1, 0.65, true, false, false},
        {"sound", 6, 25, 0.65, true, true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DesignState s;
        s.RefinedCount = c.count;
        s.RefinedHorizontalLength = c.length;
        s.UtilizationVertical = c.etaV;
        s.SingleVerticalResistance = 15.78;
        s.UtilizationHorizontal = 0.5;
        s.ClimaticCoefHorizontal = 2.5;
        s.UpperResistivity = 40;
        s.HorizontalDepth = 0.8;
        s.StripWidthMm = 40;
        s.CheckInstallationResistance = 1.0; // from an earlier calculation
        EXPECT_NO_THROW(checkInstalledSystem(s));
        EXPECT_EQ(s.CheckVerticalGroupResistance.has_value(), c.group);
        EXPECT_EQ(s.CheckStripInGroupResistance.has_value(), c.strip);
        EXPECT_EQ(s.CheckInstallationResistance.has_value(), c.total);
        EXPECT_EQ(installationMeetsNorm(s).has_value(), c.total);
    }
}

TEST(ReportNote, NamesTheSoilsAndTheLayerCaseThatApplied) {
    DesignState s;
    s.UpperSoilName = QStringLiteral("Глина-60");
    const struct {
        ElectrodeLayers layers;
        const char* formula;
    } cases[] = {
        {ElectrodeLayers::Both, "ρэ = ψв·ρ1·ρ2·L / (ψв·ρ1·(L − H + t0) + ρ2·(H − t0))"},
        {ElectrodeLayers::UpperOnly,
         "электрод целиком в верхнем слое (H − t0 ≥ L), поэтому ρэ = ψв·ρ1"},
        {ElectrodeLayers::LowerOnly, "электрод целиком в нижнем слое (H ≤ t0), поэтому ρэ = ρ2"},
    };
    for (const auto& c : cases) {
        s.ElectrodeLayers = c.layers;
        const QMap<QString, QString> texts = textsOf(s);
        EXPECT_EQ(texts.value(QStringLiteral("##rof&")), QString::fromUtf8(c.formula));
        EXPECT_EQ(texts.value(QStringLiteral("##grunt1&")), QStringLiteral("Глина-60"));
        EXPECT_EQ(texts.value(QStringLiteral("##grunt2&")), QStringLiteral("не выбран"));
    }
}

} // namespace
