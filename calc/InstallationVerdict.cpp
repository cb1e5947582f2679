// The one line that says whether the installed system meets the normalized resistance.
#include "calc/InstallationVerdict.h"

#include "calc/InstallationCheck.h"

#include <cmath>

namespace {

QString norm(const DesignState& s) {
    return QStringLiteral("Rн = ") + NumberText::whole(s.NormalizedResistance) +
           QStringLiteral(" Ом");
}

QString formula(const DesignState& s, const NumberText& n) {
    const bool one = s.RefinedCount == 1;
    const QString group = one ? QStringLiteral("Rв") : QStringLiteral("Rв/(Nу·ηв)");
    if (s.RefinedHorizontalLength == 0)
        return (one ? QStringLiteral("Один вертикальный заземлитель без полосы: R = ")
                    : QStringLiteral("Вертикальные заземлители без полосы: R = ")) +
               group;
    const QString bracketed = one ? group : QLatin1Char('(') + group + QLatin1Char(')');
    return (one ? QStringLiteral("Вертикальный заземлитель параллельно с полосой")
                : QStringLiteral("Вертикальные заземлители параллельно с полосой")) +
           QStringLiteral(" в том виде, как она проложена (Lг.у = ") +
           n.general(s.RefinedHorizontalLength) + QStringLiteral(" м): R = ") + bracketed +
           QStringLiteral("·R′г.у / (") + group +
           QStringLiteral(" + R′г.у), где R′г.у = Rг.у / ηг");
}

} // namespace

QString resistanceAgainstNorm(double r, double writtenNorm, const NumberText& n) {
    int decimals = 2;
    for (double scale = 100;
         r > writtenNorm && decimals < 6 && std::round(r * scale) / scale <= writtenNorm;
         scale *= 10)
        ++decimals;
    return decimals == 2 ? n.fixed2(r) : n.decimals(r, decimals);
}

QString installationComparison(const DesignState& s, const NumberText& n) {
    const std::optional<bool> meets = installationMeetsNorm(s);
    if (!meets)
        return {};
    return QStringLiteral("R = ") +
           resistanceAgainstNorm(*s.CheckInstallationResistance, s.NormalizedResistance, n) +
           (*meets ? QStringLiteral(" Ом ≤ ") : QStringLiteral(" Ом > ")) + norm(s);
}

InstallationVerdict installationVerdict(const DesignState& s, const NumberText& n) {
    InstallationVerdict v;
    v.toolTip = formula(s, n);
    const std::optional<bool> meets = installationMeetsNorm(s);
    if (!meets) {
        v.outcome = VerdictOutcome::NotComputed;
        v.text = QStringLiteral("Сопротивление R вычислить нельзя: выполнение требования R ≤ ") +
                 norm(s) + QStringLiteral(" не подтверждено");
        return v;
    }
    v.outcome = *meets ? VerdictOutcome::Meets : VerdictOutcome::Fails;
    v.text = installationComparison(s, n);
    if (!*meets)
        v.text += QStringLiteral(" — требование не выполняется");
    return v;
}
