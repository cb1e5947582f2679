// The soil measured on the site, as plain data: the Wenner readings, the soil model chosen for
// them, and what the window of the readings holds.
#pragma once

#include <QList>
#include <QString>
#include <numbers>
#include <optional>
#include <vector>

// One reading of a four-electrode Wenner array: four rods in a line at equal spacing a, and the
// resistance R that the meter shows.
struct WennerReading {
    double spacing = 0.0;    // a, m
    double resistance = 0.0; // R, Ohm

    // ρкаж = 2πaR, Ohm·m.
    double apparentResistivity() const { return 2.0 * std::numbers::pi * spacing * resistance; }

    bool operator==(const WennerReading&) const = default;
};

enum class SoilModel { Uniform, TwoLayer };

// A soil fitted to readings, as the engineer applies it to the design.
struct MeasuredSoil {
    SoilModel model = SoilModel::Uniform;
    double upper = 0.0;     // ρ1, Ohm·m; the one resistivity of a uniform soil
    double lower = 0.0;     // ρ2, Ohm·m; equal to ρ1 for a uniform soil
    double thickness = 0.0; // H, m, of the upper layer; 0 for a uniform soil
    double misfit = 0.0;    // RMS of the model's relative error against the readings, %
    std::vector<WennerReading> readings;

    bool operator==(const MeasuredSoil&) const = default;
};

// A row of the readings table as typed (the decimal separator of the system that shows it).
struct ReadingRowTexts {
    QString spacing;    // a, m
    QString resistance; // R, Ohm

    bool operator==(const ReadingRowTexts&) const = default;
};

// The most rows a table of readings holds.
inline constexpr int kMaxReadings = 50;

// The window of the soil measurements: its rows and the model the engineer picked.
struct SoilMeasurementState {
    QList<ReadingRowTexts> rows;     // 1 to kMaxReadings
    std::optional<SoilModel> chosen; // none while the window's proposal stands

    bool operator==(const SoilMeasurementState&) const = default;
};
