// Where the vertical electrodes and the strip lie in plan: a row or a closed contour.
#pragma once

#include "design/DesignState.h"

#include <QPointF>
#include <QSizeF>
#include <optional>
#include <vector>

// The plan of the installation in metres, x along the first side, y across it.
//
// A row: electrode i at (i·a, 0); the strip runs from the first electrode along the row for its
// length as laid (Lг.у), which is (N − 1)·a except where the calculation took another length.
//
// A contour: the strip is a closed rectangle of perimeter N·a, as near a square as the count
// allows while its first two corners carry electrodes: the side along x is the whole number of
// steps nearest to N/4 (a half rounds up), the side across takes the rest of the N/2 steps. The
// electrodes stand at equal steps a along the strip from the corner (0, 0), going along x first.
// An even count thus has an electrode in every corner; an odd count leaves a half step on the
// sides across, so the far corners fall between electrodes. The small counts follow the same
// rule: 1 gives a stub of a/2 walked out and back with the electrode at its start, 2 a segment of
// length a walked both ways with an electrode at each end, 3 a rectangle a × a/2 with electrodes
// in its first two corners and in the middle of the far side.
struct ElectrodeLayout {
    std::vector<QPointF> electrodes; // in order along the strip
    std::vector<QPointF> strip;      // the strip as a polyline; empty when none is laid
    QSizeF extent;                   // the rectangle that holds them all, from (0, 0)
    bool closed = false;             // the strip returns to its start (a contour)
};

// The most electrodes laid out; a larger count has no plan.
inline constexpr int kMaxLaidOutElectrodes = 1000;

// The plan for count electrodes at spacing a (m) with a strip of stripLength (m, 0: none).
// Empty when the arrangement is not chosen, the count is not a whole number from 1 to
// kMaxLaidOutElectrodes, or a length is negative or not finite.
std::optional<ElectrodeLayout> layOutElectrodes(ElectrodeArrangement arrangement, double count,
                                                double spacing, double stripLength);
// The same for the design as calculated: Nу = RefinedCount, a, Lг.у = RefinedHorizontalLength.
std::optional<ElectrodeLayout> layOutElectrodes(const DesignState& state);
