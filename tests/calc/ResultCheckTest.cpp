// The results of the electrode calculation looked at before they are shown.
#include "calc/ResultCheck.h"

#include "base/NumberText.h"
#include "tests/support/QtPrinters.h"
#include "tests/support/WorkedDesign.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

const NumberText comma(QLatin1Char(','));

DesignState workedResults() {
    worked::Design d = worked::rowOfAngles();
    EXPECT_TRUE(runElectrodeStage(d.in, comma, d.state));
    return d.state;
}

TEST(ResultCheck, SoundResultsPass) {
    DesignState s = workedResults();
    EXPECT_EQ(implausibleElectrodeResult(s, comma), std::nullopt);
    s.RefinedHorizontalLength = 0; // one refined electrode needs no strip
    EXPECT_EQ(implausibleElectrodeResult(s, comma), std::nullopt);
}

// One result spoilt at a time; the message names it, in the form of the results page, and the
// inputs behind it.
TEST(ResultCheck, FirstResultThatCannotBeIsNamed) {
    const struct {
        double DesignState::*field;
        double value;
        const char* message;
    } cases[] = {
        {&DesignState::EquivalentResistivity, -54.3,
         "Удельный расчётный коэффициент сопротивления грунта получился отрицательным (−54,3 "
         "Ом*м): проверьте грунты, климатический коэффициент для вертикального заземлителя, "
         "толщину верхнего слоя грунта и длину вертикального заземлителя"},
        {&DesignState::SingleVerticalResistance, -16.64,
         "Сопротивление одного вертикального заземлителя получилось отрицательным (−16,6 Ом): "
         "проверьте ширину полки уголка или диаметр и длину вертикального заземлителя"},
        {&DesignState::EstimatedCount, -4,
         "Предполагаемое количество вертикальных заземлителей получилось отрицательным (−4 шт): "
         "проверьте нормируемое сопротивление и коэффициент использования вертикальных "
         "заземлителей"},
        {&DesignState::EstimatedHorizontalLength, 0,
         "Предполагаемая длина горизонтального заземлителя получилась равной нулю: проверьте "
         "расстояние между заземлителями"},
        {&DesignState::HorizontalResistance, -18.2,
         "Сопротивление горизонтального заземлителя получилось отрицательным (−18,2 Ом): "
         "проверьте ширину полосы и расстояние между заземлителями"},
        {&DesignState::RequiredVerticalResistance, std::numeric_limits<double>::infinity(),
         "Полное сопротивление заземлителей получилось бесконечным или неопределённым: проверьте "
         "нормируемое сопротивление и коэффициенты использования вертикальных и горизонтальных "
         "заземлителей"},
        {&DesignState::RefinedCountRaw, std::numeric_limits<double>::quiet_NaN(),
         "Уточнённое количество вертикальных заземлителей получилось бесконечным или "
         "неопределённым: проверьте нормируемое сопротивление и коэффициенты использования "
         "вертикальных и горизонтальных заземлителей"},
        {&DesignState::RefinedCount, -5,
         "Количество вертикальных заземлителей к установке получилось отрицательным (−5 шт): "
         "проверьте нормируемое сопротивление и коэффициенты использования вертикальных и "
         "горизонтальных заземлителей"},
        {&DesignState::RefinedHorizontalLength, -25,
         "Уточнённая длина горизонтального заземлителя получилась отрицательной (−25 м): "
         "проверьте расстояние между заземлителями"},
    };
    for (const auto& c : cases) {
        DesignState s = workedResults();
        s.*c.field = c.value;
        EXPECT_EQ(implausibleElectrodeResult(s, comma), QString::fromUtf8(c.message));
    }
}

// A later result that cannot be is not reported before an earlier one.
TEST(ResultCheck, EarlierResultFirst) {
    DesignState s = workedResults();
    s.HorizontalResistance = -7;
    s.SingleVerticalResistance = -1;
    const auto message = implausibleElectrodeResult(s, comma);
    ASSERT_TRUE(message);
    EXPECT_TRUE(message->startsWith(QStringLiteral("Сопротивление одного вертикального")));
}

TEST(ResultCheck, ZeroWhereAllowed) {
    const ResultQuantity r{QStringLiteral("Сопротивление заземлителя"),
                           ResultQuantity::Gender::Neuter, QStringLiteral("Ом"),
                           QStringLiteral("размеры"), true};
    const auto fixed2 = [](double v) { return comma.fixed2(v); };
    EXPECT_EQ(implausibleResult(r, 0, fixed2), std::nullopt);
    EXPECT_EQ(implausibleResult(r, 1e-300, fixed2), std::nullopt);
    EXPECT_EQ(implausibleResult(r, -22.9, fixed2),
              QStringLiteral("Сопротивление заземлителя получилось отрицательным (−22,90 Ом): "
                             "проверьте размеры"));
}

} // namespace
