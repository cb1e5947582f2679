// The soil read off Wenner readings: a uniform and a two-layer soil fitted to them, and which of
// the two to propose.
#pragma once

#include "calc/WennerModel.h"
#include "design/MeasuredSoil.h"

#include <optional>
#include <span>
#include <vector>

struct UniformFit {
    double resistivity = 0.0; // ρ, Ohm·m
    double misfit = 0.0;      // RMS of the relative error, %
};

struct TwoLayerFit {
    TwoLayerSoil soil;
    double misfit = 0.0; // RMS of the relative error, %
};

struct SoilFit {
    UniformFit uniform;
    std::optional<TwoLayerFit> twoLayer; // none with fewer than three spacings
    // The two-layer soil when its misfit is under half the uniform one's, else the uniform soil; a
    // uniform soil that fits within 1 % is always the one proposed.
    SoilModel proposed = SoilModel::Uniform;

    // The soil of the model asked for (the uniform one when there is no two-layer soil), with the
    // readings it was fitted to.
    MeasuredSoil soil(SoilModel model, std::vector<WennerReading> readings) const;
};

// The fewest spacings that a two-layer soil is fitted to.
inline constexpr int kTwoLayerMinReadings = 3;

// Fits both models to checked readings (see checkReadings). The uniform soil is the least-squares
// fit on the logarithms of ρкаж, their geometric mean. The two-layer soil is the least-squares fit
// on the logarithms over (ln ρ1, ln ρ2, ln H) by Levenberg–Marquardt, started from several
// thicknesses across the spacings; the best of the starts is kept.
SoilFit fitSoil(std::span<const WennerReading> readings);
