// The one record of the wizard: inputs, coefficients, intermediate values and results.
#pragma once

#include "design/MeasuredSoil.h"

#include <QString>
#include <cstdint>
#include <optional>

enum class ElectrodeArrangement { None, Contour, Row };
enum class ElectrodeMaterial { None, Angle, RoundSection };
// Where the vertical electrodes stand: across the boundary of the two soil layers, or wholly in
// one of them.
enum class ElectrodeLayers { Both, UpperOnly, LowerOnly };

struct DesignState {
    double EquivalentResistivity = 0.0;             // ρeq, Ohm·m
    double UpperResistivity = 0.0;                  // ρ1, Ohm·m
    double LowerResistivity = 0.0;                  // ρ2, Ohm·m
    double ClimaticCoefVertical = 0.0;              // ψv
    double ClimaticCoefHorizontal = 0.0;            // ψh
    double VerticalLength = 0.0;                    // L, m
    double UpperLayerThickness = 0.0;               // H, m
    double HorizontalDepth = 0.0;                   // t0, m
    double VerticalMidDepth = 0.0;                  // t = L/2 + t0, m
    double VerticalSpacing = 0.0;                   // a, m
    double UtilizationHorizontal = 0.0;             // ηh
    double UtilizationVertical = 0.0;               // ηv
    double SingleVerticalResistance = 0.0;          // Rv, Ohm
    double EstimatedCountRaw = 0.0;                 // Ne*, pieces
    double EstimatedCount = 0.0;                    // Ne, pieces (whole value)
    double EstimatedHorizontalLength = 0.0;         // Lh1, m
    double RefinedHorizontalLength = 0.0;           // Lh2, m
    double HorizontalResistance = 0.0;              // Rh, Ohm
    double RequiredVerticalResistance = 0.0;        // Rvg, Ohm
    bool RequiredVerticalResistanceNegated = false; // the formula gave −Rvg (Rh' below Rn)
    double RefinedCountRaw = 0.0;                   // Nr*, pieces
    double RefinedCount = 0.0;                      // Nr, pieces (whole value)
    std::int32_t NormalizedResistance = 0;          // Rn, Ohm
    std::int32_t AngleFlangeWidthMm = 0;            // b, mm
    std::int32_t StripWidthMm = 0;                  // bs, mm
    std::int32_t RoundDiameterMm = 0;               // diameter of a round-section electrode, mm
    QString ElectrodeNounForm; // "заземлитель" / "заземлителя" / "заземлителей"
    QString VerticalAdjectiveForm; // "вертикальный" / "вертикальных"

    ::ElectrodeArrangement ElectrodeArrangement = ::ElectrodeArrangement::None;
    ::ElectrodeMaterial ElectrodeMaterial = ::ElectrodeMaterial::None;
    // Which soil the last calculation found the vertical electrodes in.
    ::ElectrodeLayers ElectrodeLayers = ::ElectrodeLayers::Both;

    // The soils as picked on the site page, "<name>-<resistivity>"; empty before the first pick.
    QString UpperSoilName;
    QString LowerSoilName;
    // The soil measured on the site, when either list picks its item; none for table soils.
    std::optional<MeasuredSoil> MeasuredSoilUsed;

    // The check of the installed system: Nr electrodes joined by the strip of length Lh2. Each
    // value is empty when it could not be computed (or, for the strip, when there is none).
    std::optional<double> CheckStripResistance;         // Rh of the strip of length Lh2, Ohm
    std::optional<double> CheckStripInGroupResistance;  // Rh' = Rh / ηh of that strip, Ohm
    std::optional<double> CheckVerticalGroupResistance; // Rv / (Nr·ηv), Rv for one, Ohm
    std::optional<double> CheckInstallationResistance;  // R of the whole installation, Ohm

    bool operator==(const DesignState&) const = default;
};
