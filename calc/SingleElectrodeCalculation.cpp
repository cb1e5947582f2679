#include "calc/SingleElectrodeCalculation.h"

#include "base/NumberText.h"
#include "calc/ElectrodeShapes.h"
#include "calc/ResultCheck.h"

#include <array>
#include <cstddef>
#include <optional>

bool readyToCalculate(int shapeNumber, const SingleElectrodeTexts& texts) {
    if (shapeNumber < 1 || shapeNumber > shapeCount())
        return false;
    const ElectrodeShape& shape = electrodeShape(shapeNumber);
    if (texts.edit1.isEmpty() || texts.edit2.isEmpty())
        return false;
    if (shape.showsEdit3() && texts.edit3.isEmpty())
        return false;
    return !(shape.showsEdit4() && texts.edit4.isEmpty());
}

namespace {
std::optional<double> resistance(int shapeNumber, double rho, const SingleElectrodeTexts& texts,
                                 const NumberText& numbers) {
    const ShapeFormula& formula = electrodeShape(shapeNumber).formula;
    // The dimensions are read in field order, one at a time, so that the first bad one is
    // reported.
    const std::array<const QString*, 3> fields{&texts.edit2, &texts.edit3, &texts.edit4};
    ShapeDimensions dimensions{};
    for (int i = 0; i < formula.dimensionCount; ++i) {
        const auto at = static_cast<std::size_t>(i);
        dimensions[at] = numbers.readDecimal(*fields[at]);
    }
    if (!formula.holds(dimensions))
        return std::nullopt;
    return formula.resistance(rho, dimensions);
}
} // namespace

SingleElectrodeOutcome calculateSingleElectrode(int shapeNumber, const SingleElectrodeTexts& texts,
                                                const NumberText& numbers) {
    const double rho = NumberText::readWhole(texts.edit1);
    if (shapeNumber < 1 || shapeNumber > shapeCount())
        return {};
    const std::optional<double> r = resistance(shapeNumber, rho, texts, numbers);
    if (!r)
        return {SingleElectrodeOutcome::Kind::ConditionNotMet, QStringLiteral("0")};
    // Outside the ranges where a formula holds it can come out below zero; that is no result.
    static const ResultQuantity kResistance{
        QStringLiteral("Сопротивление заземлителя"), ResultQuantity::Gender::Neuter,
        QStringLiteral("Ом"), QStringLiteral("сопротивление грунта и размеры заземлителя"), true};
    if (auto problem =
            implausibleResult(kResistance, *r, [&](double v) { return numbers.fixed2(v); }))
        return {SingleElectrodeOutcome::Kind::NoResult, *problem};
    return {SingleElectrodeOutcome::Kind::Resistance, numbers.fixed2(*r) + QStringLiteral(" Ом")};
}
