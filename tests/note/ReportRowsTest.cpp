// The placeholder rows of the report: keys, texts and progress steps.
#include "note/ReportRows.h"

#include "tests/note/WorkedExample.h"
#include "tests/support/QtPrinters.h"

#include <QStringList>
#include <algorithm>
#include <gtest/gtest.h>
#include <numeric>

namespace {

struct Expected {
    const char16_t* key;
    const char16_t* text;
    int step;
};

// The worked example with angle steel, in replacement order.
const Expected kWorkedExample[] = {
    {u"##ro1", u"40", 3},
    {u"##ro2", u"40", 0},
    {u"##k1&", u"1,35", 3},
    {u"###l&", u"2,5", 3},
    {u"###h&", u"3", 3},
    {u"###t&", u"0,8", 3},
    {u"##ro&", u"51,8", 3},
    {u"##db&", u"b", 3},
    {u"##ddb", u"Ширина полки уголка", 3},
    {u"##bd&", u"60", 3},
    {u"##tz&", u"2,05", 3},
    {u"##r1v&", u"15,8", 3},
    {u"##rrn", u"4", 3},
    {u"##nuv", u"0,65", 3},
    {u"##ngpr&", u"6,1", 3},
    {u"##ngpro&", u"7", 3},
    {u"##hz&", u"5", 3},
    {u"##lg&", u"30", 3},
    {u"##bp&", u"40", 3},
    {u"##k2&", u"2,5", 3},
    {u"##nug", u"0,5", 3},
    {u"##rg&", u"11,6", 3},
    {u"##rrpol&", u"4,8", 3},
    {u"##nkon&", u"5,0", 3},
    {u"##nkonok&", u"6", 3},
    {u"##zaz&", u"заземлителей", 3},
    {u"##ver&", u"вертикальных", 3},
    {u"##lgkon&", u"25 м", 3},
    {u"##ll&", u"2,5 м", 0},
    {u"#ttz&", u"2,05 м", 3},
    {u"##hh&", u"3 м", 0},
    {u"##tt&", u"0,8 м", 3},
    {u"#bp1&", u"40 мм", 0},
    {u"##rro", u"40 Ом*м", 3},
    {u"##rrro", u"40 Ом*м", 3},
    {u"##hmm", u"5 м", 5},
    {u"##lmm", u"2,5 м", 5},
    {u"##lkon&", u"25 м", 5},
    // The wording that follows the design. The check with Nу = 6, Lг.у = 25 м:
    // Rг.у = (0,366·2,5·40 / (25·0,5))·lg(2·625 / 0,032) = 2,928·4,5918 = 13,44 Ом, R′г.у = 26,89
    // Ом; Rв / (Nу·ηв) = 15,7797 / 3,9 = 4,05 Ом; R = 4,046·26,889 / 30,935 = 3,52 Ом.
    {u"##grunt1&", u"Садовая земля-40", 1},
    {u"##grunt2&", u"Садовая земля-40", 1},
    {u"##grzam&", u"", 0},
    {u"##sxema&", u"в ряд", 1},
    {u"##mater&", u"уголок", 1},
    {u"##rof&", u"ρэ = ψв·ρ1·ρ2·L / (ψв·ρ1·(L − H + t0) + ρ2·(H − t0))", 1},
    {u"##lgf&", u"в ряд длина соединительной полосы Lг = (N − 1)·a = (7 − 1)·5", 1},
    {u"##lgkf&", u"При расположении в ряд Lг.у = (Nу − 1)·a = (6 − 1)·5", 1},
    {u"##prpol&",
     u"; её сопротивление по формуле п. 2.6 Rг.у = (0,366·ψг·ρ1 / (Lг.у·ηг))·lg(2·Lг.у² / "
     u"(bп·t0)) = (0,366·2,5·40 / (25·0,5))·lg(2·25² / (0,04·0,8)) = 13,44 Ом, с учётом "
     u"коэффициента использования R′г.у = Rг.у / ηг = 13,44 / 0,5 = 26,89 Ом",
     1},
    {u"##prv&",
     u"Сопротивление группы вертикальных заземлителей Rв / (Nу·ηв) = 15,78 / (6·0,65) = 4,05 Ом",
     1},
    {u"##prr&",
     u"Сопротивление заземляющего устройства (вертикальные заземлители параллельно с полосой) "
     u"R = (Rв/(Nу·ηв))·R′г.у / (Rв/(Nу·ηв) + R′г.у) = 4,05·26,89 / (4,05 + 26,89) = 3,52 Ом",
     1},
    {u"##kazh&", u" каждый, соединённых стальной полосой общей длиной 25 м", 1},
    {u"##rnvys&", u"", 0},
    {u"##resh&", u"R = 3,52 Ом ≤ Rн = 4 Ом: требование выполняется", 1},
    {u"##grzamt&", u"", 0}, // the readings' table, none for a soil from the table
    // The scheme and the bill: a table, a text, a picture.
    {u"##vedomost&", u"", 1},
    {u"##razmery&",
     u"Размеры соответствуют требованиям к наименьшим размерам заземлителей (ПУЭ, табл. 1.7.4)", 1},
    // The equipment schedule (a table), then the project's head, object, date and signatures: lines
    // to fill by hand without data.
    {u"##specifikaciya&", u"", 0},
    {u"##proekt&", u"", 0},
    {u"##obekt&", u"___________________________________________________", 0},
    {u"##data&", u"____________________", 0},
    {u"##vypolnil&", u"Расчёт выполнил:\t____________________", 0},
    {u"##podpisi&", u"", 0},
    {u"##risunok&", u"", 1},
};

int total(const std::vector<ReportRow>& rows) {
    return std::accumulate(rows.begin(), rows.end(), 0,
                           [](int sum, const ReportRow& r) { return sum + r.step; });
}

const NumberText kComma(QChar(','));

TEST(ReportRows, WorkedExampleWithAngleGivesEveryRowInOrder) {
    DesignState s = reporttest::workedExample();
    s.UpperSoilName = s.LowerSoilName = QStringLiteral("Садовая земля-40");
    const std::vector<ReportRow> rows = reportRows(s, kComma);
    ASSERT_EQ(rows.size(), std::size(kWorkedExample));
    for (std::size_t i = 0; i < rows.size(); ++i) {
        SCOPED_TRACE(i + 1);
        EXPECT_EQ(rows[i].key, QString::fromUtf16(kWorkedExample[i].key));
        EXPECT_EQ(rows[i].text, QString::fromUtf16(kWorkedExample[i].text));
        EXPECT_EQ(rows[i].step, kWorkedExample[i].step);
    }
    EXPECT_EQ(total(rows), 123);
}

// The bill as a table in the note, for the thicknesses given; the check of sizes below it; the
// scheme as given. Angle 60×60×δ: δ·(120 − δ) mm²; strip 40×δп; 6 electrodes of 2,5 m, 25 m of
// strip, 7850 kg/m³.
TEST(ReportRows, TheBillAndTheSchemeFollowTheThicknessesGiven) {
    struct Case {
        SteelThickness thickness;
        QStringList vertical, strip, total, joints;
        QString sizes;
    };
    const QString mm = QStringLiteral(" (ПУЭ, табл. 1.7.4)");
    const Case cases[] = {
        // 575 mm²: 0,000575·7850·15 = 67,71 kg; 160 mm²: 0,00016·7850·25 = 31,40 kg.
        {{5, 4},
         {"Вертикальные заземлители", "Уголок стальной 60×60×5", "2,50", "6", "15,00", "67,71"},
         {"Соединительная полоса", "Полоса стальная 40×4", "25,00", "1", "25,00", "31,40"},
         {"Итого масса", "", "", "", "", "99,11"},
         {"Сварные соединения", "", "", "6", "", ""},
         "Размеры соответствуют требованиям к наименьшим размерам заземлителей" + mm},
        // 351 mm²: 41,33 kg; 80 mm²: 15,70 kg.
        {{3, 2},
         {"Вертикальные заземлители", "Уголок стальной 60×60×3", "2,50", "6", "15,00", "41,33"},
         {"Соединительная полоса", "Полоса стальная 40×2", "25,00", "1", "25,00", "15,70"},
         {"Итого масса", "", "", "", "", "57,03"},
         {"Сварные соединения", "", "", "6", "", ""},
         "Толщина стенки уголка δ = 3 мм меньше наименьшей допустимой 4 мм" + mm +
             ".\nСечение полосы 40×2 = 80 мм² меньше наименьшего допустимого 100 мм²" + mm +
             ".\nТолщина полосы δп = 2 мм меньше наименьшей допустимой 4 мм" + mm},
    };
    const ReportPicture scheme{QByteArray("\x89PNG…"), QSizeF(165, 103.125)};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.thickness.angleWallMm);
        const std::vector<ReportRow> rows =
            reportRows(reporttest::workedExample(), kComma, c.thickness, scheme);
        ASSERT_EQ(rows.size(), 62u);
        const ReportRow& bill = rows[53];
        ASSERT_TRUE(bill.table);
        ASSERT_EQ(bill.table->columns.size(), 6u);
        double width = 0;
        for (const ReportColumn& column : bill.table->columns)
            width += column.widthMm;
        EXPECT_DOUBLE_EQ(width, kNoteTextWidthMm);
        EXPECT_EQ(bill.table->columns[0].title, QStringLiteral("Наименование"));
        EXPECT_EQ(bill.table->rows,
                  (std::vector<QStringList>{c.vertical, c.strip, c.total, c.joints}));
        EXPECT_EQ(rows[54].text, c.sizes);
        ASSERT_TRUE(rows[61].picture);
        EXPECT_EQ(rows[61].picture->png, scheme.png);
        EXPECT_EQ(rows[61].picture->sizeMm, scheme.sizeMm);
    }
}

TEST(ReportRows, MaterialDecidesTheElectrodeSizeRows) {
    struct Case {
        ElectrodeMaterial material;
        std::size_t count;
        int total;
        QStringList sizeTexts; // rows 8 to 10
    };
    const Case cases[] = {
        {ElectrodeMaterial::Angle, 62, 123, {"b", "Ширина полки уголка", "60"}},
        {ElectrodeMaterial::RoundSection, 62, 123, {"d", "Диаметр электрода", "16"}},
        {ElectrodeMaterial::None, 59, 114, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(int(c.material));
        DesignState s = reporttest::workedExample(c.material);
        s.RoundDiameterMm = 16; // only the round section prints it
        const std::vector<ReportRow> rows = reportRows(s, kComma);
        ASSERT_EQ(rows.size(), c.count);
        EXPECT_EQ(total(rows), c.total);
        QStringList keys;
        for (const ReportRow& r : rows)
            keys << r.key;
        if (c.sizeTexts.isEmpty()) {
            for (const char* k : {"##db&", "##ddb", "##bd&"})
                EXPECT_FALSE(keys.contains(QString::fromLatin1(k))) << k;
            EXPECT_EQ(rows[7].key, QStringLiteral("##tz&"));
        } else {
            EXPECT_EQ((QStringList{rows[7].key, rows[8].key, rows[9].key}),
                      (QStringList{"##db&", "##ddb", "##bd&"}));
            EXPECT_EQ((QStringList{rows[7].text, rows[8].text, rows[9].text}), c.sizeTexts);
        }
    }
}

// Single values in their text forms, as the results page shows them.
TEST(ReportRows, TextFormsOfSingleValues) {
    DesignState s = reporttest::workedExample();
    s.EquivalentResistivity = 60;
    s.UpperResistivity = 60;
    s.EstimatedCount = 4;
    s.EstimatedCountRaw = 3.52;
    s.StripWidthMm = 40;
    s.ElectrodeNounForm.clear();
    s.RequiredVerticalResistanceNegated = true; // the formula gave -4,8 Ом
    const std::vector<ReportRow> rows = reportRows(s, kComma);
    const auto textOf = [&](const char* key) {
        for (const ReportRow& r : rows)
            if (r.key == QLatin1String(key))
                return r.text;
        return QStringLiteral("<missing>");
    };
    const std::pair<const char*, QString> expected[] = {
        {"##ro&", "60,0"},
        {"##ro1", "60"},
        {"##rro", "60 Ом*м"},
        {"##ngpro&", "4"},
        {"##ngpr&", "3,5"},
        {"##bp&", "40"},
        {"#bp1&", "40 мм"},
        {"##zaz&", ""},
        {"##rrpol&", "-4,8 Ом (R′г < Rн); в расчёт принимается модуль 4,8"},
    };
    for (const auto& [key, text] : expected)
        EXPECT_EQ(textOf(key), text) << key;
}

TEST(ReportRows, DecimalSeparatorComesFromTheNumberText) {
    const std::vector<ReportRow> rows =
        reportRows(reporttest::workedExample(), NumberText(QChar('.')));
    EXPECT_EQ(rows[3].text, QStringLiteral("2.5"));
    EXPECT_EQ(rows[6].text, QStringLiteral("51.8"));
    EXPECT_EQ(rows[37].text, QStringLiteral("25 м"));
    EXPECT_EQ(rows[51].text, QStringLiteral("R = 3.52 Ом ≤ Rн = 4 Ом: требование выполняется"));
    EXPECT_EQ(rows[53].table->rows.front().last(), QStringLiteral("67.71"));
}

} // namespace

// The soil measured on the site and the norm raised for high resistivity, as the note states them.
TEST(ReportRows, MeasuredSoilAndRaisedNorm) {
    struct Case {
        SoilModel model;
        double resistivity;   // ρ1 = ρ2 of the design, Ohm·m
        QStringList inSource; // empty: no source row text
        QStringList inRaised; // empty: no raised norm
    };
    // The readings as the note's table: a, R, ρкаж.
    const std::vector<QStringList> readings = {{"1", "10", "62,8"}, {"4", "2,5", "62,8"}};
    const Case cases[] = {
        {SoilModel::TwoLayer,
         40,
         QStringList{"методом Веннера", "число замеров 2", "a от 1 до 4 м",
                     "двухслойного грунта: ρ1 = 120 Ом·м, ρ2 = 450 Ом·м, H = 2,5 м",
                     "расхождение с замерами 1,5 %"},
         {}},
        {SoilModel::Uniform,
         500,
         QStringList{"однородного грунта: ρ = 120 Ом·м"},
         {"ψв = 1", "ρ = 500,00 Ом·м", "Rн′ = 4·0,01·500,00 = 20,00 Ом", "R = 3,52 Ом ≤ Rн′"}},
        {SoilModel::Uniform, 2000, QStringList{}, {"ρ = 2000,00 Ом·м", "Rн′ = 4·10 = 40,00 Ом"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.resistivity);
        DesignState s = reporttest::workedExample();
        s.UpperResistivity = s.LowerResistivity = c.resistivity;
        s.MeasuredSoilUsed = MeasuredSoil{c.model, 120, 450, 2.5, 1.5, {{1, 10}, {4, 2.5}}};
        const std::vector<ReportRow> rows = reportRows(s, kComma);
        const auto textOf = [&](const char* key) {
            for (const ReportRow& r : rows)
                if (r.key == QLatin1String(key))
                    return r.text;
            return QStringLiteral("<missing>");
        };
        for (const QString& part : c.inSource)
            EXPECT_TRUE(textOf("##grzam&").contains(part)) << part.toStdString();
        const auto table = std::find_if(rows.begin(), rows.end(), [](const ReportRow& r) {
            return r.key == QLatin1String("##grzamt&");
        });
        ASSERT_TRUE(table != rows.end() && table->table);
        EXPECT_EQ(table->table->columns.size(), 3u);
        EXPECT_EQ(table->table->rows, readings);
        EXPECT_EQ(textOf("##rnvys&").isEmpty(), c.inRaised.isEmpty());
        for (const QString& part : c.inRaised)
            EXPECT_TRUE(textOf("##rnvys&").contains(part)) << textOf("##rnvys&").toStdString();
    }
}
