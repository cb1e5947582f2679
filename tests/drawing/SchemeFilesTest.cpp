// The scheme as files: an SVG that parses, a PNG that loads, a PDF, for any design.
#include "drawing/SchemeFiles.h"
#include "tests/drawing/SchemeDesign.h"

#include <QSvgRenderer>
#include <gtest/gtest.h>

namespace {

const NumberText numbers(QLatin1Char(','));

using schemetest::design;

TEST(SchemeFiles, EveryFormatOpensForARowAContourAndNoDesign) {
    const DesignState designs[] = {design(ElectrodeArrangement::Row, 6, 25),
                                   design(ElectrodeArrangement::Contour, 7, 35), DesignState{}};
    for (const DesignState& s : designs) {
        const SchemeDrawing drawing(s, {}, numbers);
        QSvgRenderer svg(schemeSvg(drawing));
        EXPECT_TRUE(svg.isValid());
        EXPECT_EQ(svg.viewBoxF().size(), SchemeDrawing::canvasSize());
        const QImage png = QImage::fromData(schemePng(drawing, 0.5), "PNG");
        EXPECT_EQ(png.size(), (SchemeDrawing::canvasSize() * 0.5).toSize());
        EXPECT_TRUE(schemePdf(drawing).startsWith("%PDF"));
    }
}

TEST(SchemeFiles, FormatByExtension) {
    EXPECT_EQ(schemeFormatOf(QStringLiteral("/tmp/a.svg")), SchemeFormat::Svg);
    EXPECT_EQ(schemeFormatOf(QStringLiteral("схема.PNG")), SchemeFormat::Png);
    EXPECT_EQ(schemeFormatOf(QStringLiteral("b.pdf")), SchemeFormat::Pdf);
    EXPECT_FALSE(schemeFormatOf(QStringLiteral("c.jpg")));
    EXPECT_FALSE(schemeFormatOf(QStringLiteral("svg")));
}

} // namespace
