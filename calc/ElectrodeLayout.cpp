// Where the vertical electrodes and the strip lie in plan: a row or a closed contour.
#include "calc/ElectrodeLayout.h"

#include <cmath>

namespace {

// The point at distance s (in steps) along the contour w × h (in steps) from (0, 0), going along
// x first; every argument is a multiple of a half, so the point is exact.
QPointF alongContour(double s, double w, double h) {
    if (s <= w)
        return {s, 0};
    s -= w;
    if (s <= h)
        return {w, s};
    s -= h;
    if (s <= w)
        return {w - s, h};
    s -= w;
    return {0, h - s};
}

bool finiteNonNegative(double v) {
    return std::isfinite(v) && v >= 0;
}

// The sides of the contour rectangle of count electrodes, in steps a (along x, across).
QSizeF contourSidesInSteps(int count) {
    const double along = std::floor(count / 4.0 + 0.5);
    return {along, count / 2.0 - along};
}

} // namespace

std::optional<ElectrodeLayout> layOutElectrodes(ElectrodeArrangement arrangement, double count,
                                                double spacing, double stripLength) {
    if (arrangement == ElectrodeArrangement::None || !std::isfinite(count) || count < 1 ||
        count > kMaxLaidOutElectrodes || count != std::floor(count) ||
        !finiteNonNegative(spacing) || !finiteNonNegative(stripLength))
        return std::nullopt;
    const int n = static_cast<int>(count);
    ElectrodeLayout plan;
    plan.electrodes.reserve(static_cast<std::size_t>(n));
    if (arrangement == ElectrodeArrangement::Row) {
        for (int i = 0; i < n; ++i)
            plan.electrodes.emplace_back(i * spacing, 0.0);
        if (stripLength > 0)
            plan.strip = {{0, 0}, {stripLength, 0}};
        plan.extent = QSizeF(std::max((n - 1) * spacing, stripLength), 0);
        return plan;
    }
    const QSizeF sides = contourSidesInSteps(n);
    const double w = sides.width(), h = sides.height();
    for (int i = 0; i < n; ++i)
        plan.electrodes.push_back(alongContour(i, w, h) * spacing);
    if (stripLength > 0)
        plan.strip = {
            {0, 0}, {w * spacing, 0}, {w * spacing, h * spacing}, {0, h * spacing}, {0, 0}};
    plan.extent = sides * spacing;
    plan.closed = true;
    return plan;
}

std::optional<ElectrodeLayout> layOutElectrodes(const DesignState& s) {
    return layOutElectrodes(s.ElectrodeArrangement, s.RefinedCount, s.VerticalSpacing,
                            s.RefinedHorizontalLength);
}
