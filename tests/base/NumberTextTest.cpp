// Readings and written forms of numbers, under a comma and under a full stop as separator.
#include "base/NumberText.h"
#include "base/Errors.h"
#include "tests/support/QtPrinters.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

// Texts are written with "," and run again with "." swapped in for the other separator.
QString withSeparator(const char* text, QChar sep) {
    QString s = QString::fromUtf8(text);
    if (sep != QLatin1Char(','))
        s.replace(QLatin1Char(','), sep);
    return s;
}

class Separators : public ::testing::TestWithParam<char> {
protected:
    QChar sep() const { return QLatin1Char(GetParam()); }
    NumberText numbers() const { return NumberText(sep()); }
    QString t(const char* text) const { return withSeparator(text, sep()); }
};

INSTANTIATE_TEST_SUITE_P(BothSeparators, Separators, ::testing::Values(',', '.'),
                         [](const auto& info) { return info.param == ',' ? "comma" : "point"; });

TEST_P(Separators, DecimalReadingAccepts) {
    const struct {
        const char* text;
        double value;
    } cases[] = {
        {"2,5", 2.5},
        {"  2,5  ", 2.5},
        {"+2,5", 2.5},
        {"-2,5", -2.5},
        {",", 0.0},
        {"-,", 0.0},
        {",5", 0.5},
        {"5,", 5.0},
        {"1E3", 1000.0},
        {"1e-3", 0.001},
        {"1,5E+2", 150.0},
        {",E2", 0.0},
        {"007", 7.0},
        {"0,1", 0.1},
        {"1E-400", 0.0},
        {"1,7976931348623157E308", 1.7976931348623157e308},
        {"123456789012345678901234567890", 1.2345678901234568e29},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(numbers().readDecimal(t(c.text)), c.value) << c.text;
    }
}

TEST_P(Separators, DecimalReadingRejectsWithTheWholeText) {
    const char* cases[] = {"",     " ",   "-",   "+",     "2,5x",    "x2,5",  "E5", "1E",   "1E+",
                           "1,,5", "1 5", "--1", "1E400", "1,8E308", "1e5,5", "٣",  "2,5\t"};
    for (const char* c : cases) {
        try {
            numbers().readDecimal(t(c));
            ADD_FAILURE() << "accepted " << c;
        } catch (const ConversionError& e) {
            EXPECT_EQ(e.message(),
                      QStringLiteral("'%1' is not a valid floating point value").arg(t(c)));
        }
    }
}

TEST(DecimalReading, TheOtherSeparatorIsNoSeparator) {
    EXPECT_THROW(NumberText(QLatin1Char(',')).readDecimal(QStringLiteral("0.5")), ConversionError);
    EXPECT_THROW(NumberText(QLatin1Char('.')).readDecimal(QStringLiteral("0,5")), ConversionError);
    EXPECT_EQ(NumberText(QLatin1Char(',')).readDecimal(QStringLiteral("0,5")), 0.5);
}

TEST(WholeReading, Accepts) {
    const struct {
        const char* text;
        int value;
    } cases[] = {
        {"40", 40},
        {"  40", 40},
        {"+40", 40},
        {"-40", -40},
        {"$1F", 31},
        {"x1f", 31},
        {"X1F", 31},
        {"0x1F", 31},
        {"0X1f", 31},
        {"-$10", -16},
        {"007", 7},
        {"0", 0},
        {"2147483647", 2147483647},
        {"-2147483648", std::numeric_limits<int>::min()},
        {"$7FFFFFFF", 2147483647},
        {"-$80000000", std::numeric_limits<int>::min()},
    };
    for (const auto& c : cases)
        EXPECT_EQ(NumberText::readWhole(QString::fromLatin1(c.text)), c.value) << c.text;
}

TEST(WholeReading, RejectsWithTheWholeText) {
    const char* cases[] = {
        "",   "40 ",        "4,0",         "4.0",       "-",   "+",    "$",
        "0x", "2147483648", "-2147483649", "$80000000", "1E3", "0x1G", "99999999999999999999",
        " ",  "4 0",        "--4"};
    for (const char* c : cases) {
        try {
            NumberText::readWhole(QString::fromLatin1(c));
            ADD_FAILURE() << "accepted " << c;
        } catch (const ConversionError& e) {
            EXPECT_EQ(
                e.message(),
                QStringLiteral("'%1' is not a valid integer value").arg(QString::fromLatin1(c)));
        }
    }
}

TEST_P(Separators, GeneralForm) {
    const struct {
        double value;
        const char* text;
    } cases[] = {
        {60, "60"},
        {2.5, "2,5"},
        {0.855, "0,855"},
        {7.0, "7"},
        {0.45, "0,45"},
        {0.0001, "0,0001"},
        {0.00002, "2E-5"},
        {0.0000123, "1,23E-5"},
        {0.000123, "0,000123"},
        {1e15, "1E15"},
        {999999999999999.0, "999999999999999"},
        {1.5e20, "1,5E20"},
        {-2.5, "-2,5"},
        {0.0, "0"},
        {-0.0, "0"},
        {0.1 + 0.2, "0,3"}, // 15 significant digits hide the binary error
        {1.0 / 3.0, "0,333333333333333"},
        {2.0 / 3.0, "0,666666666666667"},
        {123456789.125, "123456789,125"},
        {0.30000000000000004, "0,3"},
        {9999999999999995.0, "1E16"}, // rounding carries into a new digit
        {99999.99999999999, "100000"},
        {-1e-7, "-1E-7"},
        {4.0, "4"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(numbers().general(c.value), t(c.text)) << c.text;
}

TEST_P(Separators, FixedForm) {
    const struct {
        double value;
        int decimals;
        const char* text;
    } cases[] = {
        {4, 1, "4,0"},
        {15.78, 1, "15,8"},
        {12345.67, 1, "12346,0"},
        {123456.7, 1, "1,2346E5"},
        {19.904, 2, "19,90"},
        {1234.567, 2, "1234,60"},
        {123456.7, 2, "1,2346E05"},
        {0.04, 1, "0,0"},
        {0.004, 2, "0,00"},
        {100000, 2, "1E05"},
        {100000, 1, "1E5"},
        {0.05, 1, "0,1"}, // 0.05 lies just above its double: half away from zero
        {0.25, 1, "0,3"}, // exact tie, away from zero
        {-0.25, 1, "-0,3"},
        {0.125, 2, "0,13"},
        {2.675, 2, "2,67"},  // the double lies below 2.675: no rounding up through a string
        {1.005, 2, "1,00"},  // likewise
        {99999.5, 1, "1E5"}, // five digits carry into a sixth
        {99999.4, 1, "99999,0"},
        {9999.96, 2, "10000,00"},
        {1234567, 2, "1,2346E06"},
        {1200000, 1, "1,2E6"},
        {318471.33757961786, 2, "3,1847E05"},
        {-15.78, 1, "-15,8"},
        {-0.04, 1, "0,0"},
        {0.005, 2, "0,01"},
        {1e300, 2, "1E300"},
        {1.5e-300, 2, "0,00"},
        {51.821497120921306, 1, "51,8"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(numbers().fixed(c.value, c.decimals), t(c.text)) << c.text;
}

TEST_P(Separators, ExactDecimals) {
    const struct {
        double value;
        const char* text;
    } cases[] = {
        {999.995, "1000,00"},  {1000, "1000,00"},         {1566.075, "1566,08"},
        {1266.048, "1266,05"}, {123456.789, "123456,79"}, {0.004, "0,00"},
        {-0.004, "0,00"},      {-2.5, "-2,50"},           {0, "0,00"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(numbers().decimals(c.value, 2), t(c.text)) << c.text;
    EXPECT_EQ(numbers().decimals(std::numeric_limits<double>::infinity(), 2), QString());
}

TEST(WholeForm, Digits) {
    EXPECT_EQ(NumberText::whole(4), QStringLiteral("4"));
    EXPECT_EQ(NumberText::whole(40), QStringLiteral("40"));
    EXPECT_EQ(NumberText::whole(-7), QStringLiteral("-7"));
    EXPECT_EQ(NumberText::whole(-2147483648LL), QStringLiteral("-2147483648"));
}

// Every value written in the general form reads back to itself when 15 digits suffice.
TEST_P(Separators, GeneralFormReadsBack) {
    for (double v : {0.855, 2.5, 1e-5, 123.456, 1e15, 5.75, 0.745, 1e-300, 6.02e23})
        EXPECT_EQ(numbers().readDecimal(numbers().general(v)), v) << v;
}

} // namespace
