// "Рассчитать" of the single-electrode calculator: texts of the fields in, text of the result out.
#include "calc/SingleElectrodeCalculation.h"
#include "base/Errors.h"
#include "base/NumberText.h"
#include "tests/support/QtPrinters.h"

#include <gtest/gtest.h>

namespace {

using Kind = SingleElectrodeOutcome::Kind;

const NumberText kComma(QLatin1Char(','));

struct Case {
    const char* what;
    int shape;
    SingleElectrodeTexts texts;
    Kind kind;
    QString text;
};

void PrintTo(const Case& c, std::ostream* os) {
    *os << c.what;
}

SingleElectrodeTexts fields(const char* e1, const char* e2, const char* e3 = "",
                            const char* e4 = "") {
    return {QString::fromUtf8(e1), QString::fromUtf8(e2), QString::fromUtf8(e3),
            QString::fromUtf8(e4)};
}

const QString kZero = QStringLiteral("0");

class Results : public testing::TestWithParam<Case> {};

TEST_P(Results, GiveTheTextOfTheResultLabel) {
    const Case& c = GetParam();
    const SingleElectrodeOutcome outcome = calculateSingleElectrode(c.shape, c.texts, kComma);
    EXPECT_EQ(outcome.kind, c.kind);
    EXPECT_EQ(outcome.text, c.text);
}

// The four shapes with their given formulas, and their worked cases.
INSTANTIATE_TEST_SUITE_P(
    WorkedCases, Results,
    testing::Values(
        Case{"sphere", 1, fields("100", "1", "1"), Kind::Resistance, QStringLiteral("19,90 Ом")},
        Case{"hemisphere", 2, fields("100", "1"), Kind::Resistance, QStringLiteral("31,85 Ом")},
        Case{"ring at surface", 9, fields("100", "1", "0,01"), Kind::Resistance,
             QStringLiteral("67,80 Ом")},
        Case{"ring in ground", 10, fields("100", "2", "0,01", "0,5"), Kind::Resistance,
             QStringLiteral("23,37 Ом")},
        Case{"large result in exponent form", 2, fields("1000000", "1"), Kind::Resistance,
             QStringLiteral("3,1847E05 Ом")},
        Case{"sphere too shallow", 1, fields("100", "1", "0,5"), Kind::ConditionNotMet, kZero},
        Case{"no soil resistance gives zero", 1, fields("0", "1", "1"), Kind::Resistance,
             QStringLiteral("0,00 Ом")}));

// Hand-computed cases of the other nine shapes and one failing condition for each.
INSTANTIATE_TEST_SUITE_P(
    OtherShapes, Results,
    testing::Values(Case{"rod at surface", 3, fields("100", "0,016", "3"), Kind::Resistance,
                         QStringLiteral("35,14 Ом")},
                    Case{"rod at surface shorter than thick", 3, fields("100", "1", "0,5"),
                         Kind::ConditionNotMet, kZero},
                    Case{"rod in ground", 4, fields("100", "0,016", "3", "0,7"), Kind::Resistance,
                         QStringLiteral("33,34 Ом")},
                    Case{"rod in ground too shallow", 4, fields("100", "0,016", "3", "0,4"),
                         Kind::ConditionNotMet, kZero},
                    Case{"round on surface", 5, fields("100", "0,05", "20"), Kind::Resistance,
                         QStringLiteral("10,64 Ом")},
                    Case{"round on surface shorter than thick", 5, fields("100", "2", "1"),
                         Kind::ConditionNotMet, kZero},
                    Case{"round in ground", 6, fields("100", "0,03", "12", "2"), Kind::Resistance,
                         QStringLiteral("10,33 Ом")},
                    Case{"round in ground deeper than a quarter of its length", 6,
                         fields("100", "0,03", "12", "3,5"), Kind::ConditionNotMet, kZero},
                    Case{"strip on surface", 7, fields("100", "0,04", "20"), Kind::Resistance,
                         QStringLiteral("12,10 Ом")},
                    Case{"strip on surface shorter than wide", 7, fields("100", "3", "2"),
                         Kind::ConditionNotMet, kZero},
                    Case{"strip in ground", 8, fields("100", "0,05", "10", "0,8"), Kind::Resistance,
                         QStringLiteral("13,56 Ом")},
                    Case{"strip in ground shorter than high", 8, fields("100", "12", "10", "0,8"),
                         Kind::ConditionNotMet, kZero},
                    Case{"round plate on surface", 11, fields("100", "1"), Kind::Resistance,
                         QStringLiteral("50,00 Ом")},
                    Case{"round plate in ground", 12, fields("100", "1", "1"), Kind::Resistance,
                         QStringLiteral("28,90 Ом")},
                    Case{"round plate in ground too shallow", 12, fields("100", "1", "0,4"),
                         Kind::ConditionNotMet, kZero},
                    Case{"rectangular plate", 13, fields("100", "0,5", "1", "1"), Kind::Resistance,
                         QStringLiteral("35,25 Ом")},
                    Case{"rectangular plate longer than four heights", 13,
                         fields("100", "0,5", "2,5", "1"), Kind::ConditionNotMet, kZero},
                    Case{"rectangular plate higher than long", 13, fields("100", "1", "0,8", "1"),
                         Kind::ConditionNotMet, kZero},
                    Case{"rectangular plate too shallow", 13, fields("100", "0,5", "1", "0,2"),
                         Kind::ConditionNotMet, kZero}));

// Every test is strict: equality fails.
INSTANTIATE_TEST_SUITE_P(
    StrictBoundaries, Results,
    testing::Values(
        Case{"sphere 2t = D", 1, fields("100", "1", "0,5"), Kind::ConditionNotMet, kZero},
        Case{"sphere t = 0", 1, fields("100", "1", "0"), Kind::ConditionNotMet, kZero},
        Case{"ring D = d", 9, fields("100", "0,5", "0,5"), Kind::ConditionNotMet, kZero},
        Case{"ring in ground D = 2t", 10, fields("100", "2", "0,01", "1"), Kind::ConditionNotMet,
             kZero},
        Case{"ring in ground D = d", 10, fields("100", "2", "2", "0,5"), Kind::ConditionNotMet,
             kZero},
        Case{"rod l = d", 3, fields("100", "1", "1"), Kind::ConditionNotMet, kZero},
        Case{"rod t0 = 0.5", 4, fields("100", "0,016", "3", "0,5"), Kind::ConditionNotMet, kZero},
        Case{"round l = d", 5, fields("100", "1", "1"), Kind::ConditionNotMet, kZero},
        Case{"round in ground l = 4t", 6, fields("100", "0,03", "8", "2"), Kind::ConditionNotMet,
             kZero},
        Case{"strip l = b", 7, fields("100", "1", "1"), Kind::ConditionNotMet, kZero},
        Case{"strip in ground l = 4t", 8, fields("100", "0,05", "8", "2"), Kind::ConditionNotMet,
             kZero},
        Case{"plate 2t = D", 12, fields("100", "1", "0,5"), Kind::ConditionNotMet, kZero},
        Case{"rectangular plate a = b", 13, fields("100", "1", "1", "1"), Kind::ConditionNotMet,
             kZero},
        Case{"rectangular plate b = 4a", 13, fields("100", "0,5", "2", "1"), Kind::ConditionNotMet,
             kZero},
        Case{"rectangular plate a = 2t", 13, fields("100", "1", "2", "0,5"), Kind::ConditionNotMet,
             kZero}));

// Fields that the shape does not use are not read, whatever they hold.
INSTANTIATE_TEST_SUITE_P(UnusedFields, Results,
                         testing::Values(Case{"hemisphere", 2, fields("100", "1", "x", "y"),
                                              Kind::Resistance, QStringLiteral("31,85 Ом")},
                                         Case{"sphere", 1, fields("100", "1", "1", "."),
                                              Kind::Resistance, QStringLiteral("19,90 Ом")},
                                         Case{"no shape yet", 0, fields("100", "", "", ""),
                                              Kind::Nothing, QString()}));

struct Failure {
    const char* what;
    int shape;
    SingleElectrodeTexts texts;
    QString message;
};

void PrintTo(const Failure& f, std::ostream* os) {
    *os << f.what;
}

class Failures : public testing::TestWithParam<Failure> {};

TEST_P(Failures, EndTheCalculationWithTheirMessage) {
    const Failure& f = GetParam();
    try {
        calculateSingleElectrode(f.shape, f.texts, kComma);
        FAIL() << "no error";
    } catch (const UserError& e) {
        EXPECT_EQ(e.message(), f.message);
    }
}

const QString kByZero = QStringLiteral("Floating point division by zero");
const QString kInvalid = QStringLiteral("Invalid floating point operation");

INSTANTIATE_TEST_SUITE_P(
    ZeroDivisors, Failures,
    testing::Values(
        Failure{"sphere D = 0", 1, fields("100", "0", "1"), kByZero},
        Failure{"sphere D = 0 and no soil resistance", 1, fields("0", "0", "1"), kInvalid},
        Failure{"hemisphere D = 0", 2, fields("100", "0"), kByZero},
        Failure{"hemisphere D = 0 and no soil resistance", 2, fields("0", "0"), kInvalid},
        Failure{"ring d = 0", 9, fields("100", "1", "0"), kByZero},
        Failure{"ring in ground d = 0", 10, fields("100", "2", "0", "0,5"), kByZero},
        Failure{"ring in ground t = 0", 10, fields("100", "2", "0,01", "0"), kByZero},
        Failure{"rod d = 0", 3, fields("100", "0", "3"), kByZero},
        Failure{"rod in ground d = 0", 4, fields("100", "0", "3", "0,7"), kByZero},
        Failure{"rod in ground l = 0", 4, fields("100", "0,016", "0", "0,7"), kByZero},
        Failure{"round d = 0", 5, fields("100", "0", "20"), kByZero},
        Failure{"round in ground t = 0", 6, fields("100", "0,03", "12", "0"), kByZero},
        Failure{"strip b = 0", 7, fields("100", "0", "20"), kByZero},
        Failure{"strip in ground t = 0", 8, fields("100", "0,05", "10", "0"), kByZero},
        Failure{"plate on surface D = 0", 11, fields("100", "0"), kByZero},
        Failure{"plate on surface D = 0, no soil resistance", 11, fields("0", "0"), kInvalid},
        Failure{"plate in ground D = 0", 12, fields("100", "0", "1"), kByZero}));

INSTANTIATE_TEST_SUITE_P(
    Readings, Failures,
    testing::Values(Failure{"soil resistance with a separator", 2, fields("100,5", "1"),
                            QStringLiteral("'100,5' is not a valid integer value")},
                    Failure{"soil resistance empty", 9, fields("", "1", "0,01"),
                            QStringLiteral("'' is not a valid integer value")},
                    Failure{"soil resistance read even without a shape", 0, fields("1.5", ""),
                            QStringLiteral("'1.5' is not a valid integer value")},
                    Failure{"soil resistance beyond 32 bits", 11, fields("2147483648", "1"),
                            QStringLiteral("'2147483648' is not a valid integer value")},
                    Failure{"full stop where the comma is expected", 1, fields("100", "0.5", "1"),
                            QStringLiteral("'0.5' is not a valid floating point value")},
                    Failure{"first bad field is reported", 13, fields("100", "1", "2,,5", "x"),
                            QStringLiteral("'2,,5' is not a valid floating point value")},
                    Failure{"depth read last", 10, fields("100", "2", "0,01", ""),
                            QStringLiteral("'' is not a valid floating point value")},
                    Failure{"soil resistance before the dimensions", 4, fields("", "x", "y", "z"),
                            QStringLiteral("'' is not a valid integer value")}));

TEST(SoilResistance, IsAWholeNumberReading) {
    // Hexadecimal is a whole-number text too; $64 is 100.
    const SingleElectrodeOutcome outcome = calculateSingleElectrode(2, fields("$64", "1"), kComma);
    EXPECT_EQ(outcome.text, QStringLiteral("31,85 Ом"));
}

TEST(Separator, ComesFromTheNumberText) {
    const NumberText point(QLatin1Char('.'));
    const SingleElectrodeOutcome outcome =
        calculateSingleElectrode(10, fields("100", "2", "0.01", "0.5"), point);
    EXPECT_EQ(outcome.text, QStringLiteral("23.37 Ом"));
    EXPECT_THROW(calculateSingleElectrode(9, fields("100", "1", "0,01"), point), ConversionError);
}

} // namespace
