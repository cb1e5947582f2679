#include "calc/ResultLines.h"

ResultLines resultLines(const DesignState& s, const NumberText& numbers) {
    const auto F = [&](double v) { return numbers.fixed1(v); };
    const auto G = [&](double v) { return numbers.general(v); };
    ResultLines lines;
    lines.Label17 = QStringLiteral("Удельный расчётный коэффициент сопротивления грунта = ") +
                    F(s.EquivalentResistivity) + QStringLiteral("  Ом*м ;");
    lines.Label18 = QStringLiteral("Сопротивление одного вертикального заземлителя = ") +
                    F(s.SingleVerticalResistance) + QStringLiteral("  Ом ;");
    lines.Label19 = QStringLiteral("Предполагаемое количество вертикальных заземлителей = ") +
                    G(s.EstimatedCount) + QStringLiteral("  шт ;");
    lines.Label20 = QStringLiteral("Предполагаемая длина горизонтального заземлителя = ") +
                    G(s.EstimatedHorizontalLength) + QStringLiteral("  м ;");
    lines.Label21 = QStringLiteral("Сопротивление горизонтального заземлителя = ") +
                    F(s.HorizontalResistance) + QStringLiteral("  Ом ;");
    lines.Label22 = QStringLiteral("Полное сопротивление заземлителей = ") +
                    F(s.RequiredVerticalResistance) + QStringLiteral("  Ом ;");
    lines.Label24 = QStringLiteral("соединительной полосы = ") + F(s.RefinedCountRaw) +
                    QStringLiteral("  шт ;");
    lines.Label25 = QStringLiteral("Принимаем к установке  ") + G(s.RefinedCount) +
                    QLatin1Char(' ') + s.VerticalAdjectiveForm + QLatin1Char(' ') +
                    s.ElectrodeNounForm + QStringLiteral(" .");
    lines.Label32 = QStringLiteral("Уточнённая длина горизонтального заземлителя = ") +
                    G(s.RefinedHorizontalLength) + QStringLiteral(" м;");
    return lines;
}
