// The smallest sizes of black-steel earth electrodes laid in the ground.
#pragma once

#include <QString>
#include <cstdint>

// Source: Правила устройства электроустановок (ПУЭ), 7-е издание, таблица 1.7.4 "Наименьшие
// размеры заземлителей и заземляющих проводников, проложенных в земле", чёрная сталь.
struct MinimumSizes {
    std::int32_t roundVerticalDiameterMm; // round steel, vertical electrodes: diameter
    std::int32_t angleWallMm;             // angle steel: wall (flange) thickness
    std::int32_t stripSectionMm2;         // strip (rectangular) steel: cross-section
    std::int32_t stripThicknessMm;        // strip steel: thickness
};

// The values of the table.
const MinimumSizes& minimumSteelSizes();
// The table named as the warnings name it: "ПУЭ, табл. 1.7.4".
QString minimumSizeSource();
