#include "single/ElectrodeShapes.h"

#include <QtGlobal>
#include <array>

namespace {
const QString kSphereDiameter = QStringLiteral("Диаметр сферы D, м");
const QString kElectrodeDiameter = QStringLiteral("Диаметр электрода d, м");
const QString kElectrodeLength = QStringLiteral("Длина электрода l, м");
const QString kDepth = QStringLiteral("Глубина заложения t, м");
const QString kRingDiameter = QStringLiteral("Диаметр кольца D, м");
const QString kPlateDiameter = QStringLiteral("Диаметр пластины D, м");

const std::array<ElectrodeShape, kShapeCount>& catalogue() {
    static const std::array<ElectrodeShape, kShapeCount> shapes{{
        {QStringLiteral("Шаровой в грунте"),
         QStringLiteral("image/1.jpg"),
         kSphereDiameter,
         kDepth,
         {},
         QStringLiteral(" 2*t>>D ")},
        {QStringLiteral("Полушаровой у поверхности грунта"),
         QStringLiteral("image/2.jpg"),
         kSphereDiameter,
         {},
         {},
         QStringLiteral(" нет ")},
        {QStringLiteral("Трубчатый или стержневой у поверхности грунта"),
         QStringLiteral("image/3.jpg"),
         kElectrodeDiameter,
         kElectrodeLength,
         {},
         QStringLiteral(" l>d ")},
        {QStringLiteral("Трубчатый или стержневой в грунте"), QStringLiteral("image/4.jpg"),
         kElectrodeDiameter, kElectrodeLength, QStringLiteral("Глубина заложения t0, м"),
         QStringLiteral(" t0>0.5 м ")},
        {QStringLiteral("Протяженный круглого сечения - труба, кабель и.т.п. на поверхности "
                        "грунта"),
         QStringLiteral("image/5.jpg"),
         kElectrodeDiameter,
         kElectrodeLength,
         {},
         QStringLiteral(" l>>d  ")},
        {QStringLiteral("Протяженный круглого сечения в грунте"), QStringLiteral("image/6.jpg"),
         kElectrodeDiameter, kElectrodeLength, kDepth, QStringLiteral(" l>>d и l>>4t ")},
        {QStringLiteral("Протяжённый полосовой на поверхности грунта"),
         QStringLiteral("image/7.jpg"),
         QStringLiteral("Ширина пластины b, м"),
         kElectrodeLength,
         {},
         QStringLiteral(" l>>b ")},
        {QStringLiteral("Протяжённый - полоса в грунте"), QStringLiteral("image/8.jpg"),
         QStringLiteral("Высота пластины b, м"), kElectrodeLength, kDepth,
         QStringLiteral(" l>>b и l>>4t ")},
        {QStringLiteral("Кольцевой на поверхности грунта"),
         QStringLiteral("image/9.jpg"),
         kRingDiameter,
         kElectrodeDiameter,
         {},
         QStringLiteral(" D>>d ")},
        {QStringLiteral("Кольцевой в грунте"), QStringLiteral("image/10.jpg"), kRingDiameter,
         kElectrodeDiameter, kDepth, QStringLiteral(" D>>d и D>>2t")},
        {QStringLiteral("Круглая пластина на поверхности грунта"),
         QStringLiteral("image/11.jpg"),
         kPlateDiameter,
         {},
         {},
         QStringLiteral(" нет ")},
        {QStringLiteral("Круглая пластина в грунте"),
         QStringLiteral("image/12.jpg"),
         kPlateDiameter,
         kDepth,
         {},
         QStringLiteral(" 2t>>D ")},
        {QStringLiteral("Пластинчатый в грунте"), QStringLiteral("image/13.jpg"),
         QStringLiteral("Высота пластины a, м"), QStringLiteral("Длина пластины b, м"), kDepth,
         QStringLiteral(" a<b<4a и a<2t")},
    }};
    return shapes;
}
} // namespace

const ElectrodeShape& electrodeShape(int shapeNumber) {
    Q_ASSERT(shapeNumber >= 1 && shapeNumber <= kShapeCount);
    return catalogue()[static_cast<std::size_t>(shapeNumber - 1)];
}

QStringList electrodeShapeNames() {
    QStringList names;
    for (const ElectrodeShape& shape : catalogue())
        names << shape.name;
    return names;
}
