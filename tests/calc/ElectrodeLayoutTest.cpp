// The plan of the electrodes: a row on a line, a contour on a closed rectangle.
#include "calc/ElectrodeLayout.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr double kA = 2.5; // spacing, m

// The distance along the contour w × h from (0, 0), going along x first; the point must lie on
// the rectangle (fails otherwise).
double distanceAlong(QPointF p, double w, double h) {
    if (p.y() == 0 && p.x() >= 0 && p.x() <= w)
        return p.x();
    if (p.x() == w && p.y() >= 0 && p.y() <= h)
        return w + p.y();
    if (p.y() == h && p.x() >= 0 && p.x() <= w)
        return w + h + (w - p.x());
    if (p.x() == 0 && p.y() >= 0 && p.y() <= h)
        return 2 * w + h + (h - p.y());
    ADD_FAILURE() << "(" << p.x() << ", " << p.y() << ") is off the rectangle " << w << " × " << h;
    return -1;
}

double polylineLength(const std::vector<QPointF>& path) {
    double length = 0;
    for (std::size_t i = 1; i < path.size(); ++i)
        length += std::hypot(path[i].x() - path[i - 1].x(), path[i].y() - path[i - 1].y());
    return length;
}

class ContourLayout : public testing::TestWithParam<int> {};

TEST_P(ContourLayout, EqualStepsOnAClosedRectangleOfPerimeterNa) {
    const int n = GetParam();
    const auto plan = layOutElectrodes(ElectrodeArrangement::Contour, n, kA, n * kA);
    ASSERT_TRUE(plan);
    const double w = plan->extent.width(), h = plan->extent.height();
    EXPECT_DOUBLE_EQ(2 * (w + h), n * kA);
    EXPECT_LE(std::abs(w - h), kA) << "as near a square as the count allows";
    ASSERT_EQ(plan->electrodes.size(), static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i)
        EXPECT_DOUBLE_EQ(distanceAlong(plan->electrodes[static_cast<std::size_t>(i)], w, h), i * kA)
            << "electrode " << i;
    EXPECT_TRUE(plan->closed);
    ASSERT_FALSE(plan->strip.empty());
    EXPECT_EQ(plan->strip.front(), QPointF(0, 0));
    EXPECT_EQ(plan->strip.back(), QPointF(0, 0));
    EXPECT_DOUBLE_EQ(polylineLength(plan->strip), n * kA);
    if (n % 2 == 0 && n >= 4) {
        int corners = 0;
        for (const QPointF& p : plan->electrodes)
            corners += (p.x() == 0 || p.x() == w) && (p.y() == 0 || p.y() == h);
        EXPECT_EQ(corners, 4) << "an even count has an electrode in every corner";
    }
}

INSTANTIATE_TEST_SUITE_P(Counts1To13, ContourLayout, testing::Range(1, 14));

TEST(RowLayout, ElectrodesAtSpacingAndTheStripAsLaid) {
    struct Case {
        int count;
        double strip;
    };
    for (const Case c : {Case{6, 5 * kA}, Case{1, 1.0}, Case{2, 0.0}}) {
        const auto plan = layOutElectrodes(ElectrodeArrangement::Row, c.count, kA, c.strip);
        ASSERT_TRUE(plan);
        ASSERT_EQ(plan->electrodes.size(), static_cast<std::size_t>(c.count));
        for (int i = 0; i < c.count; ++i)
            EXPECT_EQ(plan->electrodes[static_cast<std::size_t>(i)], QPointF(i * kA, 0));
        EXPECT_FALSE(plan->closed);
        if (c.strip > 0)
            EXPECT_EQ(plan->strip, (std::vector<QPointF>{{0, 0}, {c.strip, 0}}));
        else
            EXPECT_TRUE(plan->strip.empty());
    }
}

TEST(Layout, NoneForWhatCannotBeLaidOut) {
    EXPECT_FALSE(layOutElectrodes(ElectrodeArrangement::None, 4, kA, 10));
    for (const double count : {0.0, -3.0, 2.5, 1001.0, std::nan("")})
        EXPECT_FALSE(layOutElectrodes(ElectrodeArrangement::Contour, count, kA, 10)) << count;
    EXPECT_FALSE(layOutElectrodes(ElectrodeArrangement::Row, 4, -1, 10));
}

} // namespace
