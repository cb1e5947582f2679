// What a Wenner array reads over a two-layer soil: the image series of the apparent resistivity.
#pragma once

// A soil of two layers: an upper one of thickness H over a lower one without end. A uniform soil
// is one whose two layers have the same resistivity.
struct TwoLayerSoil {
    double upper = 0.0;     // ρ1, Ohm·m
    double lower = 0.0;     // ρ2, Ohm·m
    double thickness = 0.0; // H, m

    bool operator==(const TwoLayerSoil&) const = default;
};

// ρкаж at one spacing, with its slopes by the soil's logarithmic parameters.
struct ApparentResistivity {
    double value = 0.0;       // ρкаж, Ohm·m
    double byUpper = 0.0;     // ∂ ln ρкаж / ∂ ln ρ1
    double byLower = 0.0;     // ∂ ln ρкаж / ∂ ln ρ2
    double byThickness = 0.0; // ∂ ln ρкаж / ∂ ln H
};

// ρкаж(a) = ρ1·[1 + 4·Σ(n≥1) Kⁿ·(1/√(1 + (2nH/a)²) − 1/√(4 + (2nH/a)²))],
// K = (ρ2 − ρ1)/(ρ2 + ρ1), for ρ1, ρ2 and a positive and H ≥ 0 (H = 0 reads ρ2).
// The series is summed until what is left of it is below 1e-8 of ρкаж, and never beyond 5000
// terms: only a contrast ρ2/ρ1 of a thousand and more over an upper layer far thinner than a needs
// more, and there the value loses digits but stays between ρ1 and ρ2, as every ρкаж does.
ApparentResistivity wennerApparentResistivity(const TwoLayerSoil& soil, double spacing);
