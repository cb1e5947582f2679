// The verdict line on the installed system: met, not met, not computable.
#include "calc/InstallationVerdict.h"
#include "note/NoteTexts.h"

#include <gtest/gtest.h>

namespace {

const NumberText numbers(QLatin1Char(','));

DesignState design(std::optional<double> r, int norm, double count, double strip) {
    DesignState s;
    s.CheckInstallationResistance = r;
    s.NormalizedResistance = norm;
    s.RefinedCount = count;
    s.RefinedHorizontalLength = strip;
    return s;
}

TEST(InstallationVerdict, MetNotMetAndNotComputable) {
    struct Case {
        DesignState state;
        QString text;
        VerdictOutcome outcome;
        QString formula; // a part of the tooltip
    };
    const Case cases[] = {
        {design(3.9345, 4, 6, 25), QStringLiteral("R = 3,93 Ом ≤ Rн = 4 Ом"), VerdictOutcome::Meets,
         QStringLiteral("Вертикальные заземлители параллельно с полосой")},
        {design(4.0, 4, 6, 25), QStringLiteral("R = 4,00 Ом ≤ Rн = 4 Ом"), VerdictOutcome::Meets,
         QStringLiteral("(Lг.у = 25 м): R = (Rв/(Nу·ηв))·R′г.у / (Rв/(Nу·ηв) + R′г.у)")},
        {design(20.0149, 20, 12, 33),
         QStringLiteral("R = 20,01 Ом > Rн = 20 Ом — требование не выполняется"),
         VerdictOutcome::Fails, QStringLiteral("(Lг.у = 33 м)")},
        // Above the norm by less than two decimals show: as many more as it takes.
        {design(4.0031, 4, 126, 630),
         QStringLiteral("R = 4,003 Ом > Rн = 4 Ом — требование не выполняется"),
         VerdictOutcome::Fails, QStringLiteral("(Lг.у = 630 м)")},
        {design(4.00004, 4, 126, 630),
         QStringLiteral("R = 4,00004 Ом > Rн = 4 Ом — требование не выполняется"),
         VerdictOutcome::Fails, QStringLiteral("(Lг.у = 630 м)")},
        {design(std::nullopt, 10, 1, 1),
         QStringLiteral("Сопротивление R вычислить нельзя: выполнение требования R ≤ Rн = 10 Ом "
                        "не подтверждено"),
         VerdictOutcome::NotComputed,
         QStringLiteral("Вертикальный заземлитель параллельно с полосой")},
        {design(12.5, 10, 1, 0),
         QStringLiteral("R = 12,50 Ом > Rн = 10 Ом — требование не выполняется"),
         VerdictOutcome::Fails, QStringLiteral("без полосы: R = Rв")},
    };
    for (const Case& c : cases) {
        const InstallationVerdict v = installationVerdict(c.state, numbers);
        EXPECT_EQ(v.text, c.text);
        EXPECT_EQ(v.outcome, c.outcome);
        EXPECT_EQ(v.fails(), c.outcome == VerdictOutcome::Fails);
        EXPECT_TRUE(v.toolTip.contains(c.formula)) << v.toolTip.toStdString();
        // The note states the same comparison in the same number forms.
        const QString comparison = installationComparison(c.state, numbers);
        EXPECT_EQ(comparison.isEmpty(), c.outcome == VerdictOutcome::NotComputed);
        EXPECT_TRUE(NoteTexts(c.state, numbers).decision().startsWith(comparison));
    }
}

} // namespace
