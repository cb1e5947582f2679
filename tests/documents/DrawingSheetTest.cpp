// The drawing sheet: the frame and the title block at their places, the views' scales, every
// text inside its cell, the PDF and a file that cannot be written.
#include "base/Errors.h"
#include "documents/DrawingSheetPdf.h"
#include "tests/drawing/SchemeDesign.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const NumberText numbers(QLatin1Char(','));
using schemetest::design;

ProjectData project() {
    ProjectData p;
    p.object = QStringLiteral("Трансформаторная подстанция 10/0,4 кВ");
    p.address = QStringLiteral("г. Тверь, ул. Лесная, 5");
    p.documentCode = QStringLiteral("123-ЭС");
    p.stage = QStringLiteral("Р");
    p.organisation = QStringLiteral("ООО «Энергопроект»");
    p.developer = QStringLiteral("Иванов");
    p.checker = QStringLiteral("Петров");
    p.date = QStringLiteral("12.25");
    return p;
}

const SheetCell* cellWith(const DrawingSheet& sheet, const QString& text) {
    for (const SheetCell& c : sheet.cells)
        if (c.text == text)
            return &c;
    return nullptr;
}

TEST(DrawingSheet, FrameAndTitleBlockCellsStandAtTheirPlaces) {
    struct Case {
        SheetSize size;
        QRectF frame;
    };
    const Case sizes[] = {{SheetSize::A3, QRectF(20, 5, 395, 287)},
                          {SheetSize::A4, QRectF(20, 5, 272, 200)}};
    for (const Case& c : sizes) {
        const DrawingSheet sheet =
            drawingSheet(design(ElectrodeArrangement::Row, 6, 25), {}, numbers, project(), c.size);
        EXPECT_EQ(sheet.frame, c.frame);
        const QPointF o(c.frame.right() - 185, c.frame.bottom() - 55);
        EXPECT_EQ(sheet.titleBlock, QRectF(o, QSizeF(185, 55)));
        // Offsets from the title block's top left corner.
        const std::pair<QString, QRectF> cells[] = {
            {QStringLiteral("Изм."), {0, 25, 10, 5}},
            {QStringLiteral("Кол.уч."), {10, 25, 10, 5}},
            {QStringLiteral("Лист"), {20, 25, 10, 5}},
            {QStringLiteral("№ док."), {30, 25, 10, 5}},
            {QStringLiteral("Подп."), {40, 25, 15, 5}},
            {QStringLiteral("Дата"), {55, 25, 10, 5}},
            {QStringLiteral("Разраб."), {0, 30, 20, 5}},
            {QStringLiteral("Иванов"), {20, 30, 20, 5}},
            {QStringLiteral("Пров."), {0, 35, 20, 5}},
            {QStringLiteral("Петров"), {20, 35, 20, 5}},
            {QStringLiteral("Н. контр."), {0, 45, 20, 5}},
            {QStringLiteral("ГИП"), {0, 50, 20, 5}},
            {QStringLiteral("123-ЭС"), {65, 0, 120, 15}},
            {QStringLiteral("Трансформаторная подстанция 10/0,4 кВ"), {65, 15, 120, 10}},
            {QStringLiteral("г. Тверь, ул. Лесная, 5"), {65, 25, 70, 15}},
            {QStringLiteral("Стадия"), {135, 25, 15, 5}},
            {QStringLiteral("Р"), {135, 30, 15, 10}},
            {QStringLiteral("Листов"), {165, 25, 20, 5}},
            {QStringLiteral("Схема заземляющего устройства"), {65, 40, 70, 15}},
            {QStringLiteral("ООО «Энергопроект»"), {135, 40, 50, 15}},
        };
        for (const auto& [text, rect] : cells) {
            const SheetCell* cell = cellWith(sheet, text);
            ASSERT_TRUE(cell) << text.toStdString();
            EXPECT_EQ(cell->rect, rect.translated(o)) << text.toStdString();
        }
        EXPECT_EQ(sheet.schedule.bottom(), o.y());
        EXPECT_EQ(sheet.schedule.width(), 185);
    }
}

TEST(DrawingSheet, ViewsTakeTheLargestStandardScaleThatFits) {
    struct Case {
        DesignState state;
        int plan, section;
    };
    const Case cases[] = {
        // 2 electrodes 5 m apart: 5 m of plan; the section 4 m deep.
        {design(ElectrodeArrangement::Row, 2, 5), 50, 100},
        // 200 electrodes in a row: 995 m; the section shows three of them.
        {design(ElectrodeArrangement::Row, 200, 995), 5000, 200},
        // 100 in a contour: 125 × 125 m.
        {design(ElectrodeArrangement::Contour, 100, 500), 1000, 200},
    };
    for (const Case& c : cases) {
        const DrawingSheet sheet = drawingSheet(c.state, {}, numbers, {}, SheetSize::A3);
        EXPECT_EQ(sheet.plan.denominator, c.plan);
        EXPECT_EQ(sheet.section.denominator, c.section);
        EXPECT_EQ(sheet.plan.caption.text, QStringLiteral("План  М 1:%1").arg(c.plan));
        for (const SheetView* v : {&sheet.plan, &sheet.section}) {
            const QRectF b = v->view.bounds();
            const QRectF drawn =
                QRectF(v->onSheet(b.topLeft()), v->onSheet(b.bottomRight())).normalized();
            EXPECT_TRUE(v->area.adjusted(-0.01, -0.01, 0.01, 0.01).contains(drawn));
            EXPECT_FALSE(drawn.intersects(sheet.titleBlock));
            EXPECT_FALSE(drawn.intersects(sheet.schedule));
        }
    }
}

TEST(DrawingSheet, EveryTextFitsItsCellWhateverItsLength) {
    const QString hostile =
        QStringLiteral("\"цитата\" \\ {\\rtf1} \t\x01\n") + QStringLiteral("Ж").repeated(10000);
    ProjectData p;
    p.object = p.address = p.documentCode = p.organisation = p.developer = p.date = hostile;
    p.stage = QStringLiteral("П");
    for (const ProjectData& data : {project(), p}) {
        const DrawingSheet sheet = drawingSheet(design(ElectrodeArrangement::Contour, 7, 35), {},
                                                numbers, data, SheetSize::A4);
        for (const SheetCell& c : sheet.cells) {
            if (c.text.trimmed().isEmpty())
                continue;
            ASSERT_FALSE(c.fitted.lines.isEmpty()) << c.text.left(20).toStdString();
            EXPECT_LE(c.fitted.widthMm, c.rect.width()) << c.text.left(20).toStdString();
            EXPECT_LE(c.fitted.heightMm(), c.rect.height()) << c.text.left(20).toStdString();
            EXPECT_EQ(c.fitted.lines.join(QString()).remove(QLatin1Char(' ')).size(),
                      printableText(c.text).simplified().remove(QLatin1Char(' ')).size());
        }
        EXPECT_TRUE(drawingSheetPdf(sheet).startsWith("%PDF"));
    }
}

TEST(DrawingSheet, AFileThatCannotBeWrittenIsNamedWithTheReason) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("нет/лист.pdf"));
    try {
        saveDrawingSheet(path, design(ElectrodeArrangement::Row, 6, 25), {}, numbers, project(),
                         SheetSize::A3);
        FAIL() << "saved";
    } catch (const UserError& e) {
        EXPECT_TRUE(
            e.message().startsWith(QStringLiteral("Не удалось сохранить файл «%1»: ").arg(path)));
    }
    const QString good = dir.filePath(QStringLiteral("лист.pdf"));
    saveDrawingSheet(good, design(ElectrodeArrangement::Row, 6, 25), {}, numbers, project(),
                     SheetSize::A3);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("лист.pdf")});
}

} // namespace
