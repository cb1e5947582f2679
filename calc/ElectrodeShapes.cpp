#include "calc/ElectrodeShapes.h"

#include "calc/ElectrodeFormulas.h"

#include <QtGlobal>
#include <cstddef>
#include <utility>
#include <vector>

namespace {
template <typename F> struct ArgumentCount;
template <typename R, typename... Args> struct ArgumentCount<R (*)(Args...)> {
    static constexpr int value = static_cast<int>(sizeof...(Args));
};

// A shape's condition and formula over its dimensions, made from its two functions: the
// condition takes the dimensions, the formula the soil resistance and then the same dimensions.
template <auto Holds, auto Resistance> ShapeFormula formula() {
    constexpr int count = ArgumentCount<decltype(Holds)>::value;
    static_assert(ArgumentCount<decltype(Resistance)>::value == count + 1,
                  "a formula takes the soil resistance and the dimensions of its condition");
    static_assert(count >= 1 && count <= static_cast<int>(std::tuple_size_v<ShapeDimensions>));
    using Indices = std::make_index_sequence<static_cast<std::size_t>(count)>;
    return {count,
            [](const ShapeDimensions& d) {
                return [&d]<std::size_t... I>(std::index_sequence<I...>) {
                    return Holds(d[I]...);
                }
                (Indices{});
            },
            [](double rho, const ShapeDimensions& d) {
                return [ rho, &d ]<std::size_t... I>(std::index_sequence<I...>) {
                    return Resistance(rho, d[I]...);
                }
                (Indices{});
            }};
}

using namespace electrode;

const QString kSphereDiameter = QStringLiteral("Диаметр сферы D, м");
const QString kElectrodeDiameter = QStringLiteral("Диаметр электрода d, м");
const QString kElectrodeLength = QStringLiteral("Длина электрода l, м");
const QString kDepth = QStringLiteral("Глубина заложения t, м");
const QString kRingDiameter = QStringLiteral("Диаметр кольца D, м");
const QString kPlateDiameter = QStringLiteral("Диаметр пластины D, м");

const std::vector<ElectrodeShape>& catalogue() {
    static const std::vector<ElectrodeShape> shapes{
        {QStringLiteral("Шаровой в грунте"),
         QStringLiteral("image/1.jpg"),
         kSphereDiameter,
         kDepth,
         {},
         QStringLiteral(" 2*t>>D "),
         formula<&sphereInGroundHolds, &sphereInGround>()},
        {QStringLiteral("Полушаровой у поверхности грунта"),
         QStringLiteral("image/2.jpg"),
         kSphereDiameter,
         {},
         {},
         QStringLiteral(" нет "),
         formula<&hemisphereAtSurfaceHolds, &hemisphereAtSurface>()},
        {QStringLiteral("Трубчатый или стержневой у поверхности грунта"),
         QStringLiteral("image/3.jpg"),
         kElectrodeDiameter,
         kElectrodeLength,
         {},
         QStringLiteral(" l>d "),
         formula<&rodAtSurfaceHolds, &rodAtSurface>()},
        {QStringLiteral("Трубчатый или стержневой в грунте"), QStringLiteral("image/4.jpg"),
         kElectrodeDiameter, kElectrodeLength, QStringLiteral("Глубина заложения t0, м"),
         QStringLiteral(" t0>0.5 м "), formula<&rodInGroundHolds, &rodInGround>()},
        {QStringLiteral("Протяженный круглого сечения - труба, кабель и.т.п. на поверхности "
                        "грунта"),
         QStringLiteral("image/5.jpg"),
         kElectrodeDiameter,
         kElectrodeLength,
         {},
         QStringLiteral(" l>>d  "),
         formula<&roundAtSurfaceHolds, &roundAtSurface>()},
        {QStringLiteral("Протяженный круглого сечения в грунте"), QStringLiteral("image/6.jpg"),
         kElectrodeDiameter, kElectrodeLength, kDepth, QStringLiteral(" l>>d и l>>4t "),
         formula<&roundInGroundHolds, &roundInGround>()},
        {QStringLiteral("Протяжённый полосовой на поверхности грунта"),
         QStringLiteral("image/7.jpg"),
         QStringLiteral("Ширина пластины b, м"),
         kElectrodeLength,
         {},
         QStringLiteral(" l>>b "),
         formula<&stripAtSurfaceHolds, &stripAtSurface>()},
        {QStringLiteral("Протяжённый - полоса в грунте"), QStringLiteral("image/8.jpg"),
         QStringLiteral("Высота пластины b, м"), kElectrodeLength, kDepth,
         QStringLiteral(" l>>b и l>>4t "), formula<&stripInGroundHolds, &stripInGround>()},
        {QStringLiteral("Кольцевой на поверхности грунта"),
         QStringLiteral("image/9.jpg"),
         kRingDiameter,
         kElectrodeDiameter,
         {},
         QStringLiteral(" D>>d "),
         formula<&ringAtSurfaceHolds, &ringAtSurface>()},
        {QStringLiteral("Кольцевой в грунте"), QStringLiteral("image/10.jpg"), kRingDiameter,
         kElectrodeDiameter, kDepth, QStringLiteral(" D>>d и D>>2t"),
         formula<&ringInGroundHolds, &ringInGround>()},
        {QStringLiteral("Круглая пластина на поверхности грунта"),
         QStringLiteral("image/11.jpg"),
         kPlateDiameter,
         {},
         {},
         QStringLiteral(" нет "),
         formula<&plateAtSurfaceHolds, &plateAtSurface>()},
        {QStringLiteral("Круглая пластина в грунте"),
         QStringLiteral("image/12.jpg"),
         kPlateDiameter,
         kDepth,
         {},
         QStringLiteral(" 2t>>D "),
         formula<&plateInGroundHolds, &plateInGround>()},
        {QStringLiteral("Пластинчатый в грунте"), QStringLiteral("image/13.jpg"),
         QStringLiteral("Высота пластины a, м"), QStringLiteral("Длина пластины b, м"), kDepth,
         QStringLiteral(" a<b<4a и a<2t"),
         formula<&rectangularPlateInGroundHolds, &rectangularPlateInGround>()},
    };
    return shapes;
}
} // namespace

int shapeCount() {
    return static_cast<int>(catalogue().size());
}

const ElectrodeShape& electrodeShape(int shapeNumber) {
    Q_ASSERT(shapeNumber >= 1 && shapeNumber <= shapeCount());
    return catalogue()[static_cast<std::size_t>(shapeNumber - 1)];
}

QStringList electrodeShapeNames() {
    QStringList names;
    for (const ElectrodeShape& shape : catalogue())
        names << shape.name;
    return names;
}
