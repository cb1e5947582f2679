#include "single/SingleElectrodeCalculation.h"

#include "app/NumberText.h"
#include "calc/ResultCheck.h"
#include "single/ElectrodeFormulas.h"
#include "single/ElectrodeShapes.h"

#include <optional>

bool readyToCalculate(int shapeNumber, const SingleElectrodeTexts& texts) {
    if (shapeNumber < 1 || shapeNumber > kShapeCount)
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
    using namespace electrode;
    // Each case reads its fields one statement at a time, so that the first bad one is reported.
    switch (shapeNumber) {
    case 1: {
        const double D = numbers.readDecimal(texts.edit2);
        const double t = numbers.readDecimal(texts.edit3);
        return sphereInGround(rho, D, t);
    }
    case 2:
        return hemisphereAtSurface(rho, numbers.readDecimal(texts.edit2));
    case 3:
    case 5:
    case 7: {
        const double width = numbers.readDecimal(texts.edit2);
        const double l = numbers.readDecimal(texts.edit3);
        if (shapeNumber == 3)
            return rodAtSurface(rho, width, l);
        if (shapeNumber == 5)
            return roundAtSurface(rho, width, l);
        return stripAtSurface(rho, width, l);
    }
    case 4:
    case 6:
    case 8: {
        const double width = numbers.readDecimal(texts.edit2);
        const double l = numbers.readDecimal(texts.edit3);
        const double depth = numbers.readDecimal(texts.edit4);
        if (shapeNumber == 4)
            return rodInGround(rho, width, l, depth);
        if (shapeNumber == 6)
            return roundInGround(rho, width, l, depth);
        return stripInGround(rho, width, l, depth);
    }
    case 9: {
        const double D = numbers.readDecimal(texts.edit2);
        const double d = numbers.readDecimal(texts.edit3);
        return ringAtSurface(rho, D, d);
    }
    case 10: {
        const double D = numbers.readDecimal(texts.edit2);
        const double d = numbers.readDecimal(texts.edit3);
        const double t = numbers.readDecimal(texts.edit4);
        return ringInGround(rho, D, d, t);
    }
    case 11:
        return plateAtSurface(rho, numbers.readDecimal(texts.edit2));
    case 12: {
        const double D = numbers.readDecimal(texts.edit2);
        const double t = numbers.readDecimal(texts.edit3);
        return plateInGround(rho, D, t);
    }
    case 13: {
        const double a = numbers.readDecimal(texts.edit2);
        const double b = numbers.readDecimal(texts.edit3);
        const double t = numbers.readDecimal(texts.edit4);
        return rectangularPlateInGround(rho, a, b, t);
    }
    default:
        return std::nullopt;
    }
}
} // namespace

SingleElectrodeOutcome calculateSingleElectrode(int shapeNumber, const SingleElectrodeTexts& texts,
                                                const NumberText& numbers) {
    const double rho = NumberText::readWhole(texts.edit1);
    if (shapeNumber < 1 || shapeNumber > kShapeCount)
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
