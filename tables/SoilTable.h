// The soil table of both soil lists of the site page.
#pragma once

#include <array>

struct Soil {
    const char16_t* item; // the list item, "<name>-<resistivity>"
    double resistivity;   // Ohm·m
};

// The soils by list position.
extern const std::array<Soil, 18> kSoils;
// The position of the measured soil's item, which follows the table's soils in both lists.
inline constexpr int kMeasuredSoilPosition = static_cast<int>(kSoils.size());
