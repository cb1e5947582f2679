// The shape catalogue and the readiness of "Рассчитать".
#include "calc/ElectrodeShapes.h"
#include "calc/SingleElectrodeCalculation.h"
#include "tests/support/QtPrinters.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>

namespace {

TEST(ShapeCatalogue, ListsThirteenShapesInOrder) {
    EXPECT_EQ(electrodeShapeNames(),
              (QStringList{"Шаровой в грунте", "Полушаровой у поверхности грунта",
                           "Трубчатый или стержневой у поверхности грунта",
                           "Трубчатый или стержневой в грунте",
                           "Протяженный круглого сечения - труба, кабель и.т.п. на поверхности "
                           "грунта",
                           "Протяженный круглого сечения в грунте",
                           "Протяжённый полосовой на поверхности грунта",
                           "Протяжённый - полоса в грунте", "Кольцевой на поверхности грунта",
                           "Кольцевой в грунте", "Круглая пластина на поверхности грунта",
                           "Круглая пластина в грунте", "Пластинчатый в грунте"}));
    EXPECT_EQ(shapeCount(), 13);
}

// Every record is whole: its picture is drawn from an SVG source of the pictures folder, which
// holds no source of a shape that is not in the catalogue; its shown fields, Edit2 first and none
// left out between, are the arguments of its condition and formula.
TEST(ShapeCatalogue, EveryShapeHasItsPictureAndFieldsForItsFormula) {
    const QDir sources(QStringLiteral(KORVELA_PICTURE_SOURCES));
    QStringList expected;
    for (int n = 1; n <= shapeCount(); ++n) {
        const ElectrodeShape& shape = electrodeShape(n);
        const QFileInfo picture(shape.picture);
        EXPECT_EQ(picture.path(), QStringLiteral("image")) << "shape " << n;
        EXPECT_EQ(picture.suffix(), QStringLiteral("jpg")) << "shape " << n;
        expected << picture.completeBaseName() + QStringLiteral(".svg");
        EXPECT_TRUE(sources.exists(expected.back())) << "shape " << n;

        EXPECT_FALSE(shape.showsEdit4() && !shape.showsEdit3()) << "shape " << n;
        const int shown = 1 + int(shape.showsEdit3()) + int(shape.showsEdit4());
        EXPECT_EQ(shape.formula.dimensionCount, shown) << "shape " << n;
        EXPECT_TRUE(shape.formula.holds && shape.formula.resistance) << "shape " << n;
    }
    QStringList present = sources.entryList({QStringLiteral("*.svg")}, QDir::Files);
    present.sort();
    expected.sort();
    EXPECT_EQ(present, expected);
}

struct Layout {
    int shape;
    const char* caption2;
    const char* caption3; // "" when hidden
    const char* caption4; // "" when hidden
    const char* condition;
};

void PrintTo(const Layout& l, std::ostream* os) {
    *os << "shape " << l.shape;
}

class ShapeLayout : public testing::TestWithParam<Layout> {};

TEST_P(ShapeLayout, GivesCaptionsFieldsConditionAndPicture) {
    const Layout& l = GetParam();
    const ElectrodeShape& shape = electrodeShape(l.shape);
    EXPECT_EQ(shape.caption2, QString::fromUtf8(l.caption2));
    EXPECT_EQ(shape.caption3, QString::fromUtf8(l.caption3));
    EXPECT_EQ(shape.caption4, QString::fromUtf8(l.caption4));
    EXPECT_EQ(shape.showsEdit3(), *l.caption3 != '\0');
    EXPECT_EQ(shape.showsEdit4(), *l.caption4 != '\0');
    EXPECT_EQ(shape.condition, QString::fromUtf8(l.condition));
    EXPECT_EQ(shape.picture, QStringLiteral("image/%1.jpg").arg(l.shape));
}

INSTANTIATE_TEST_SUITE_P(
    AllShapes, ShapeLayout,
    testing::Values(Layout{1, "Диаметр сферы D, м", "Глубина заложения t, м", "", " 2*t>>D "},
                    Layout{2, "Диаметр сферы D, м", "", "", " нет "},
                    Layout{3, "Диаметр электрода d, м", "Длина электрода l, м", "", " l>d "},
                    Layout{4, "Диаметр электрода d, м", "Длина электрода l, м",
                           "Глубина заложения t0, м", " t0>0.5 м "},
                    Layout{5, "Диаметр электрода d, м", "Длина электрода l, м", "", " l>>d  "},
                    Layout{6, "Диаметр электрода d, м", "Длина электрода l, м",
                           "Глубина заложения t, м", " l>>d и l>>4t "},
                    Layout{7, "Ширина пластины b, м", "Длина электрода l, м", "", " l>>b "},
                    Layout{8, "Высота пластины b, м", "Длина электрода l, м",
                           "Глубина заложения t, м", " l>>b и l>>4t "},
                    Layout{9, "Диаметр кольца D, м", "Диаметр электрода d, м", "", " D>>d "},
                    Layout{10, "Диаметр кольца D, м", "Диаметр электрода d, м",
                           "Глубина заложения t, м", " D>>d и D>>2t"},
                    Layout{11, "Диаметр пластины D, м", "", "", " нет "},
                    Layout{12, "Диаметр пластины D, м", "Глубина заложения t, м", "", " 2t>>D "},
                    Layout{13, "Высота пластины a, м", "Длина пластины b, м",
                           "Глубина заложения t, м", " a<b<4a и a<2t"}));

// Readiness: every field that the shape shows must hold text; hidden fields do not matter.
class Readiness : public testing::TestWithParam<int> {};

TEST_P(Readiness, NeedsTextInEveryShownFieldOnly) {
    const int shapeNumber = GetParam();
    const ElectrodeShape& shape = electrodeShape(shapeNumber);
    const QString any = QStringLiteral("x");
    SingleElectrodeTexts shown{any, any, shape.showsEdit3() ? any : QString(),
                               shape.showsEdit4() ? any : QString()};
    EXPECT_TRUE(readyToCalculate(shapeNumber, shown));

    const bool isShown[] = {true, true, shape.showsEdit3(), shape.showsEdit4()};
    for (int i = 0; i < 4; ++i) {
        if (!isShown[i])
            continue;
        SingleElectrodeTexts oneEmpty = shown;
        QString* emptied[] = {&oneEmpty.edit1, &oneEmpty.edit2, &oneEmpty.edit3, &oneEmpty.edit4};
        emptied[i]->clear();
        EXPECT_FALSE(readyToCalculate(shapeNumber, oneEmpty)) << "Edit" << i + 1 << " empty";
    }
}

INSTANTIATE_TEST_SUITE_P(AllShapes, Readiness, testing::Range(1, shapeCount() + 1));

TEST(Readiness, AnyTextCountsAndNoShapeIsNeverReady) {
    const SingleElectrodeTexts junk{QStringLiteral("."), QStringLiteral(",,"),
                                    QStringLiteral("1.5"), QStringLiteral(" ")};
    EXPECT_TRUE(readyToCalculate(10, junk));
    EXPECT_FALSE(readyToCalculate(0, junk));
}

TEST(Readiness, FieldsInUsePerShape) {
    // Edit1 and Edit2 only for shapes 2 and 11; three fields for 1, 3, 5, 7, 9, 12; four for the
    // rest.
    const SingleElectrodeTexts twoFilled{QStringLiteral("1"), QStringLiteral("1"), {}, {}};
    const SingleElectrodeTexts threeFilled{
        QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("1"), {}};
    for (int n = 1; n <= shapeCount(); ++n) {
        const bool two = n == 2 || n == 11;
        const bool three = n == 1 || n == 3 || n == 5 || n == 7 || n == 9 || n == 12;
        EXPECT_EQ(readyToCalculate(n, twoFilled), two) << "shape " << n;
        EXPECT_EQ(readyToCalculate(n, threeFilled), two || three) << "shape " << n;
    }
}

} // namespace
