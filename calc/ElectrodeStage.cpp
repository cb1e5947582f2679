#include "calc/ElectrodeStage.h"

#include "base/Fp.h"
#include "calc/InstallationCheck.h"

#include <cmath>

using fp::Real;

double RoundUpCount(double x) {
    if (x < 0)
        return std::round(x) + 1;
    const double f = x - std::trunc(x);
    if (f < 0.5)
        return std::round(x) + 1;
    return std::floor(x + 0.5);
}

namespace {

// The strip that joins the electrodes: a row has one segment fewer than electrodes, a closed
// contour as many as electrodes.
Real stripLength(const DesignState& s, double count) {
    const Real segments =
        s.ElectrodeArrangement == ElectrodeArrangement::Contour ? count : count - 1;
    return segments * s.VerticalSpacing;
}

// Russian agreement of the words with the number of electrodes, reduced to three ranges.
void agreeWords(DesignState& s) {
    const double n = s.RefinedCount;
    if (n == 1) {
        s.VerticalAdjectiveForm = QStringLiteral("вертикальный");
        s.ElectrodeNounForm = QStringLiteral("заземлитель");
    } else if (n > 1 && n < 5) {
        s.VerticalAdjectiveForm = QStringLiteral("вертикальных");
        s.ElectrodeNounForm = QStringLiteral("заземлителя");
    } else if (n >= 5) {
        s.VerticalAdjectiveForm = QStringLiteral("вертикальных");
        s.ElectrodeNounForm = QStringLiteral("заземлителей");
    }
}

} // namespace

double stripSpreadingResistance(const DesignState& s, double length) {
    // The strip lies in the upper layer at depth t0.
    const Real L = length, t0 = s.HorizontalDepth, etaH = s.UtilizationHorizontal;
    const Real factor = Real(0.366) * s.ClimaticCoefHorizontal * s.UpperResistivity / (L * etaH);
    const Real logTerm = fp::lg(Real(2) * L * L / (Real(s.StripWidthMm) / 1000 * t0));
    return (factor * logTerm).value();
}

std::optional<ResultLines> runElectrodeStage(const ElectrodeInputs& in, const NumberText& numbers,
                                             DesignState& s) {
    if (s.ElectrodeArrangement == ElectrodeArrangement::None ||
        s.ElectrodeMaterial == ElectrodeMaterial::None)
        return std::nullopt;

    s.AngleFlangeWidthMm = NumberText::readWhole(in.electrodeSizeMm);
    const bool round = s.ElectrodeMaterial == ElectrodeMaterial::RoundSection;
    if (round)
        s.RoundDiameterMm = s.AngleFlangeWidthMm;
    s.VerticalLength = numbers.readDecimal(in.verticalLength);
    s.VerticalMidDepth = (Real(s.VerticalLength) / 2 + s.HorizontalDepth).value();
    s.StripWidthMm = NumberText::readWhole(in.stripWidthMm);
    s.VerticalSpacing = numbers.readDecimal(in.spacing);
    s.UtilizationHorizontal = numbers.readDecimal(in.utilizationHorizontal);
    s.UtilizationVertical = numbers.readDecimal(in.utilizationVertical);

    const Real rho1 = s.UpperResistivity, rho2 = s.LowerResistivity;
    const Real psiV = s.ClimaticCoefVertical;
    const Real H = s.UpperLayerThickness, t0 = s.HorizontalDepth;
    const Real L = s.VerticalLength, t = s.VerticalMidDepth;
    const Real etaH = s.UtilizationHorizontal, etaV = s.UtilizationVertical;
    const Real Rn = s.NormalizedResistance;

    // Equivalent resistivity of the two layers; the climatic coefficient applies to the upper one.
    // The two-layer formula holds while the boundary crosses the electrode: H - t0 of its length
    // stands in the upper soil, L - H + t0 in the lower. A boundary at or below the foot leaves
    // the upper soil alone, one at or above the top the lower soil alone; at either edge the
    // formula gives the same value.
    const Real inUpper = H - t0;
    s.ElectrodeLayers = inUpper >= L   ? ElectrodeLayers::UpperOnly
                        : inUpper <= 0 ? ElectrodeLayers::LowerOnly
                                       : ElectrodeLayers::Both;
    switch (s.ElectrodeLayers) {
    case ElectrodeLayers::UpperOnly:
        s.EquivalentResistivity = (psiV * rho1).value();
        break;
    case ElectrodeLayers::LowerOnly:
        s.EquivalentResistivity = rho2.value();
        break;
    case ElectrodeLayers::Both: {
        const Real numerator = psiV * rho1 * rho2 * L;
        const Real denominator = psiV * rho1 * (L - H + t0) + rho2 * (H - t0);
        s.EquivalentResistivity = (numerator / denominator).value();
        break;
    }
    }
    const Real rhoEq = s.EquivalentResistivity;

    // One vertical electrode; an angle counts with 0.95 of its flange width as diameter.
    const Real d =
        round ? Real(s.AngleFlangeWidthMm) / 1000 : Real(0.95) * s.AngleFlangeWidthMm / 1000;
    const Real factor = Real(0.366) * rhoEq / L;
    const Real lengthTerm = fp::lg(Real(2) * L / d);
    const Real depthTerm = Real(0.5) * fp::lg((Real(4) * t + L) / (Real(4) * t - L));
    s.SingleVerticalResistance = (factor * (lengthTerm + depthTerm)).value();
    const Real Rv = s.SingleVerticalResistance;

    s.EstimatedCountRaw = (Rv / (Rn * etaV)).value();
    s.EstimatedCount = RoundUpCount(s.EstimatedCountRaw);

    const Real estimatedLength = stripLength(s, s.EstimatedCount);
    s.EstimatedHorizontalLength = estimatedLength == 0 ? 1.0 : estimatedLength.value();
    s.HorizontalResistance = stripSpreadingResistance(s, s.EstimatedHorizontalLength);

    // The group of vertical electrodes in parallel with the strip must give Rn.
    const Real stripInGroup = Real(s.HorizontalResistance) / etaH;
    const Real required = stripInGroup * Rn / (stripInGroup - Rn);
    s.RequiredVerticalResistance = required < 0 ? -required.value() : required.value();

    s.RefinedCountRaw = (Rv / (Real(s.RequiredVerticalResistance) * etaV)).value();
    s.RefinedCount = RoundUpCount(s.RefinedCountRaw);

    s.RefinedHorizontalLength = s.RefinedCount == s.EstimatedCount
                                    ? s.EstimatedHorizontalLength
                                    : stripLength(s, s.RefinedCount).value();
    agreeWords(s);
    checkInstalledSystem(s);

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
