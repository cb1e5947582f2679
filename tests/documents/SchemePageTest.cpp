// The scheme drawn for the note's page: the plan above the section, each as large as the width
// (or its height) allows, every text at least 2.5 mm tall in capitals as printed.
#include "documents/SchemePage.h"
#include "note/ReportContent.h"
#include "tests/drawing/SchemeDesign.h"

#include <QFontMetricsF>
#include <gtest/gtest.h>

namespace {

const NumberText numbers(QLatin1Char(','));
using schemetest::design;

TEST(SchemePage, ViewsFillTheWidthStackedWithReadableTexts) {
    const QFontMetricsF font(sheetFont(1000));
    const double capitals = font.capHeight() / 1000;
    const std::pair<ElectrodeArrangement, int> designs[] = {{ElectrodeArrangement::Row, 1},
                                                            {ElectrodeArrangement::Row, 26},
                                                            {ElectrodeArrangement::Row, 200},
                                                            {ElectrodeArrangement::Contour, 7},
                                                            {ElectrodeArrangement::Contour, 100}};
    for (const auto& [arrangement, count] : designs) {
        const double strip =
            arrangement == ElectrodeArrangement::Row ? 5.0 * (count - 1) : 5.0 * count;
        const DesignState s = design(arrangement, count, strip);
        const SchemePage page = schemePage(s, {}, numbers, kNoteTextWidthMm, 80, 60);
        const std::string name = std::to_string(count);
        EXPECT_EQ(page.size.width(), kNoteTextWidthMm);
        ASSERT_GT(page.plan.denominator, 0) << name;
        ASSERT_GT(page.section.denominator, 0) << name;
        EXPECT_GE(page.section.area.top(), page.plan.area.bottom()) << name;
        EXPECT_LE(page.section.area.bottom(), page.size.height()) << name;
        for (const auto& [view, height] : {std::pair{&page.plan, 80.0}, {&page.section, 60.0}}) {
            EXPECT_GE(view->view.textHeight / view->denominator * capitals, 2.5) << name;
            const QRectF b = view->view.bounds();
            const QRectF drawn =
                QRectF(view->onSheet(b.topLeft()), view->onSheet(b.bottomRight())).normalized();
            EXPECT_GE(drawn.left(), -0.01) << name;
            EXPECT_LE(drawn.right(), kNoteTextWidthMm + 0.01) << name;
            // As large as allowed: across the width, or as tall as the view may be.
            EXPECT_TRUE(drawn.width() >= 0.95 * kNoteTextWidthMm ||
                        drawn.height() >= 0.95 * (height - 7))
                << name << ": " << drawn.width() << " × " << drawn.height();
        }
        const QImage image = schemePageImage(page, 12);
        EXPECT_EQ(image.width(), std::lround(std::ceil(kNoteTextWidthMm * 12)));
    }
}

} // namespace
