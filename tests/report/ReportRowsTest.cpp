// The placeholder rows of the report: keys, texts and progress steps.
#include "report/ReportRows.h"

#include "tests/report/WorkedExample.h"
#include "tests/support/QtPrinters.h"

#include <QStringList>
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
};

int total(const std::vector<ReportRow>& rows) {
    return std::accumulate(rows.begin(), rows.end(), 0,
                           [](int sum, const ReportRow& r) { return sum + r.step; });
}

const NumberText kComma(QChar(','));

TEST(ReportRows, WorkedExampleWithAngleGivesEveryRowInOrder) {
    const std::vector<ReportRow> rows = reportRows(reporttest::workedExample(), kComma);
    ASSERT_EQ(rows.size(), std::size(kWorkedExample));
    for (std::size_t i = 0; i < rows.size(); ++i) {
        SCOPED_TRACE(i + 1);
        EXPECT_EQ(rows[i].key, QString::fromUtf16(kWorkedExample[i].key));
        EXPECT_EQ(rows[i].text, QString::fromUtf16(kWorkedExample[i].text));
        EXPECT_EQ(rows[i].step, kWorkedExample[i].step);
    }
    EXPECT_EQ(total(rows), 108);
}

TEST(ReportRows, MaterialDecidesTheElectrodeSizeRows) {
    struct Case {
        ElectrodeMaterial material;
        std::size_t count;
        int total;
        QStringList sizeTexts; // rows 8 to 10
    };
    const Case cases[] = {
        {ElectrodeMaterial::Angle, 38, 108, {"b", "Ширина полки уголка", "60"}},
        {ElectrodeMaterial::RoundSection, 38, 108, {"d", "Диаметр электрода", "16"}},
        {ElectrodeMaterial::None, 35, 99, {}},
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
    const std::vector<ReportRow> rows = reportRows(s, kComma);
    const auto textOf = [&](const char* key) {
        for (const ReportRow& r : rows)
            if (r.key == QLatin1String(key))
                return r.text;
        return QStringLiteral("<missing>");
    };
    const std::pair<const char*, QString> expected[] = {
        {"##ro&", "60,0"},  {"##ro1", "60"}, {"##rro", "60 Ом*м"}, {"##ngpro&", "4"},
        {"##ngpr&", "3,5"}, {"##bp&", "40"}, {"#bp1&", "40 мм"},   {"##zaz&", ""},
    };
    for (const auto& [key, text] : expected)
        EXPECT_EQ(textOf(key), text) << key;
}

TEST(ReportRows, DecimalSeparatorComesFromTheNumberText) {
    const std::vector<ReportRow> rows =
        reportRows(reporttest::workedExample(), NumberText(QChar('.')));
    EXPECT_EQ(rows[3].text, QStringLiteral("2.5"));
    EXPECT_EQ(rows[6].text, QStringLiteral("51.8"));
    EXPECT_EQ(rows.back().text, QStringLiteral("25 м"));
}

} // namespace
