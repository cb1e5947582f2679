// No text of the scheme crosses a line or another text, for rows and contours of 1 to 200
// electrodes and layer boundaries above, beside and below the electrodes.
#include "drawing/SchemeDrawing.h"
#include "drawing/SchemeMarks.h"
#include "tests/drawing/SchemeDesign.h"

#include <QPainter>
#include <gtest/gtest.h>

namespace {

const NumberText numbers(QLatin1Char(','));

bool crosses(const QRectF& box, const QLineF& line) {
    const QRectF b = box.adjusted(0.5, 0.5, -0.5, -0.5);
    if (b.contains(line.p1()) || b.contains(line.p2()))
        return true;
    const QLineF sides[] = {{b.topLeft(), b.topRight()},
                            {b.topRight(), b.bottomRight()},
                            {b.bottomRight(), b.bottomLeft()},
                            {b.bottomLeft(), b.topLeft()}};
    for (const QLineF& side : sides)
        if (side.intersects(line) == QLineF::BoundedIntersection)
            return true;
    return false;
}

TEST(SchemeLabels, NoTextCrossesALineOrAnotherText) {
    int designs = 0;
    for (const ElectrodeArrangement arrangement :
         {ElectrodeArrangement::Row, ElectrodeArrangement::Contour})
        for (const int count : {1, 2, 3, 4, 5, 7, 10, 26, 51, 100, 168, 200})
            for (const double H : {0.0, 0.5, 1.0, 2.0, 3.3, 6.0, 20.0}) {
                const double strip =
                    arrangement == ElectrodeArrangement::Row ? 5.0 * (count - 1) : 5.0 * count;
                DesignState s = schemetest::design(arrangement, count, strip);
                s.UpperLayerThickness = H;
                const SchemeDrawing drawing(s, {}, numbers);
                const SchemeMarks marks =
                    SchemeMarks::recorded(SchemeDrawing::canvasSize(), [&](QPainter& p) {
                        drawing.paint(p, SchemeDrawing::canvasSize());
                    });
                ASSERT_FALSE(marks.labels.empty());
                const std::string name =
                    std::to_string(count) +
                    (arrangement == ElectrodeArrangement::Row ? " in a row" : " in a contour") +
                    ", H = " + std::to_string(H);
                for (std::size_t i = 0; i < marks.labels.size(); ++i) {
                    const QRectF& box = marks.labels[i];
                    for (const QLineF& line : marks.lines)
                        EXPECT_FALSE(crosses(box, line))
                            << name << ": label " << i << " at " << box.x() << ", " << box.y()
                            << " crosses " << line.x1() << ", " << line.y1() << " – " << line.x2()
                            << ", " << line.y2();
                    for (std::size_t j = i + 1; j < marks.labels.size(); ++j)
                        EXPECT_FALSE(box.adjusted(0.5, 0.5, -0.5, -0.5).intersects(marks.labels[j]))
                            << name << ": labels " << i << " and " << j << " overlap";
                }
                ++designs;
            }
    EXPECT_EQ(designs, 2 * 12 * 7);
}

} // namespace
