// The scheme drawn for the note's page: the plan above the section, each as large as the width
// (or its height) allows, every text at least 2.5 mm tall in capitals as printed; a view that
// cannot be drawn says why.
#include "documents/SchemePage.h"
#include "documents/SchemeDxf.h"
#include "note/ReportContent.h"
#include "tests/drawing/SchemeDesign.h"
#include "tests/support/QtPrinters.h"

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

// A plan or a section that cannot be drawn leaves no empty picture: the note's page, the sheet and
// its DXF say why where it would stand; without a plan, the plan's sentence alone.
TEST(SchemePage, AViewThatCannotBeDrawnSaysWhyInItsPlace) {
    DesignState noLength = design(ElectrodeArrangement::Row, 6, 25);
    noLength.VerticalLength = 0;
    const struct {
        const char* name;
        DesignState state;
        QString plan, section;
    } cases[] = {
        {"more electrodes than are laid out", design(ElectrodeArrangement::Row, 1843, 9210),
         QStringLiteral("План не строится: Nу = 1843, a = 5 м"), QString()},
        {"no length", noLength, QString(),
         QStringLiteral("Разрез не строится: L = 0 м, t0 = 0,8 м")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const SchemePage page = schemePage(c.state, {}, numbers, kNoteTextWidthMm);
        const DrawingSheet sheet = drawingSheet(c.state, {}, numbers, {}, SheetSize::A3);
        for (const auto& [plan, section] :
             {std::pair{&page.plan, &page.section}, {&sheet.plan, &sheet.section}}) {
            EXPECT_EQ(plan->denominator > 0, c.plan.isEmpty());
            EXPECT_EQ(plan->denominator > 0 ? QString() : plan->caption.text, c.plan);
            EXPECT_FALSE(section->denominator > 0);
            EXPECT_EQ(section->caption.text, c.section);
        }
        const QString said = c.plan.isEmpty() ? c.section : c.plan;
        EXPECT_NE(schemeDxf(sheet).toStdString().find(dxfText(said)), std::string::npos);
        // The sentence is drawn: the picture is not white.
        const QImage image = schemePageImage(page, 12);
        bool inked = false;
        for (int y = 0; y < image.height() && !inked; ++y)
            for (int x = 0; x < image.width() && !inked; ++x)
                inked = qGray(image.pixel(x, y)) < 128;
        EXPECT_TRUE(inked);
    }
}

} // namespace
