#include "calc/ElectrodeStage.h"

#include "base/Fp.h"
#include "calc/EquivalentResistivity.h"
#include "calc/InstallationCheck.h"
#include "calc/Strip.h"

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

// b, and the diameter of a round electrode, as the size of the electrode page gives them.
void storeElectrodeSize(std::int32_t sizeMm, DesignState& s) {
    s.AngleFlangeWidthMm = sizeMm;
    if (s.ElectrodeMaterial == ElectrodeMaterial::RoundSection)
        s.RoundDiameterMm = sizeMm;
}

// L, and the depth of the electrode's middle t = L / 2 + t0.
void storeVerticalLength(double length, DesignState& s) {
    s.VerticalLength = length;
    s.VerticalMidDepth = (Real(s.VerticalLength) / 2 + s.HorizontalDepth).value();
}

// Everything from the equivalent resistivity on, from the inputs stored in the design state.
void calculateElectrodeSystem(DesignState& s) {
    const bool round = s.ElectrodeMaterial == ElectrodeMaterial::RoundSection;
    const Real H = s.UpperLayerThickness, t0 = s.HorizontalDepth;
    const Real L = s.VerticalLength, t = s.VerticalMidDepth;
    const Real etaH = s.UtilizationHorizontal, etaV = s.UtilizationVertical;
    const Real Rn = s.NormalizedResistance;

    // Equivalent resistivity of the two layers; the climatic coefficient applies to the upper one.
    // The two-layer formula holds while the boundary crosses the electrode. A boundary at or below
    // the foot leaves the upper soil alone, one at or above the top the lower soil alone; at either
    // edge the formula gives the same value.
    const Real inUpper = H - t0;
    s.ElectrodeLayers = inUpper >= L   ? ElectrodeLayers::UpperOnly
                        : inUpper <= 0 ? ElectrodeLayers::LowerOnly
                                       : ElectrodeLayers::Both;
    s.EquivalentResistivity = equivalentResistivity(s, s.ClimaticCoefVertical);
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
    s.RequiredVerticalResistanceNegated = required < 0;
    s.RequiredVerticalResistance = required < 0 ? -required.value() : required.value();

    s.RefinedCountRaw = (Rv / (Real(s.RequiredVerticalResistance) * etaV)).value();
    s.RefinedCount = RoundUpCount(s.RefinedCountRaw);

    s.RefinedHorizontalLength = s.RefinedCount == s.EstimatedCount ? s.EstimatedHorizontalLength
                                                                   : stripLength(s, s.RefinedCount);
    agreeWords(s);
    checkInstalledSystem(s);
}

} // namespace

bool runElectrodeStage(const ElectrodeInputs& in, const NumberText& numbers, DesignState& s) {
    if (s.ElectrodeArrangement == ElectrodeArrangement::None ||
        s.ElectrodeMaterial == ElectrodeMaterial::None)
        return false;

    storeElectrodeSize(NumberText::readWhole(in.electrodeSizeMm), s);
    storeVerticalLength(numbers.readDecimal(in.verticalLength), s);
    s.StripWidthMm = NumberText::readWhole(in.stripWidthMm);
    s.VerticalSpacing = numbers.readDecimal(in.spacing);
    s.UtilizationHorizontal = numbers.readDecimal(in.utilizationHorizontal);
    s.UtilizationVertical = numbers.readDecimal(in.utilizationVertical);
    calculateElectrodeSystem(s);
    return true;
}

bool runElectrodeStage(const ElectrodeValues& in, DesignState& s) {
    if (s.ElectrodeArrangement == ElectrodeArrangement::None ||
        s.ElectrodeMaterial == ElectrodeMaterial::None)
        return false;
    storeElectrodeSize(in.electrodeSizeMm, s);
    storeVerticalLength(in.verticalLength, s);
    s.StripWidthMm = in.stripWidthMm;
    s.VerticalSpacing = in.spacing;
    s.UtilizationHorizontal = in.utilizationHorizontal;
    s.UtilizationVertical = in.utilizationVertical;
    calculateElectrodeSystem(s);
    return true;
}
