// The drawing sheet of the scheme as data.
#include "documents/DrawingSheet.h"

#include "calc/BillOfMaterials.h"
#include "calc/EquipmentSchedule.h"

#include <array>
#include <numeric>

namespace {

constexpr double kLeftMargin = 20, kMargin = 5;
constexpr double kBlockWidth = 185, kBlockHeight = 55, kRow = 5;
constexpr double kCaptionHeight = 7;
constexpr double kPadX = 0.6, kPadY = 0.4;
// Form 1 of ГОСТ 21.110-2013, mm; on the sheet the table is as wide as the title block.
constexpr std::array<double, 9> kEquipmentScheduleColumns{20, 130, 60, 35, 45, 20, 20, 25, 40};
constexpr double kEquipmentScheduleHeader = 15, kEquipmentScheduleRow = 8;

SheetCell cell(const QRectF& r, const QString& text, double emMm, bool centred = true) {
    SheetCell c;
    c.rect = r;
    c.text = printableText(text);
    c.fitted = fitText(c.text, QSizeF(r.width() - 2 * kPadX, r.height() - 2 * kPadY), emMm);
    c.centred = centred;
    return c;
}

void rectangle(std::vector<SheetLine>& lines, const QRectF& r, double width) {
    lines.push_back({QLineF(r.topLeft(), r.topRight()), width});
    lines.push_back({QLineF(r.topRight(), r.bottomRight()), width});
    lines.push_back({QLineF(r.bottomRight(), r.bottomLeft()), width});
    lines.push_back({QLineF(r.bottomLeft(), r.topLeft()), width});
}

// The title block of form 3, its top left corner at (x0, y0).
void titleBlock(DrawingSheet& sheet, const ProjectData& p) {
    const double x0 = sheet.titleBlock.left(), y0 = sheet.titleBlock.top();
    const auto at = [&](double x, int row, double w, int rows) {
        return QRectF(x0 + x, y0 + kRow * row, w, kRow * rows);
    };
    auto& lines = sheet.lines;
    auto& cells = sheet.cells;
    const auto hline = [&](double x1, double x2, int row, double width) {
        lines.push_back({QLineF(x0 + x1, y0 + kRow * row, x0 + x2, y0 + kRow * row), width});
    };
    const auto vline = [&](double x, int row1, int row2, double width) {
        lines.push_back({QLineF(x0 + x, y0 + kRow * row1, x0 + x, y0 + kRow * row2), width});
    };
    rectangle(lines, sheet.titleBlock, kThickLineMm);

    // The left part: five rows of changes, the heading, five rows of signatures.
    constexpr std::array<double, 7> columns{0, 10, 20, 30, 40, 55, 65};
    for (int row = 1; row <= 10; ++row)
        hline(0, 65, row, row == 5 || row == 6 ? kThickLineMm : kThinLineMm);
    for (std::size_t i = 1; i < columns.size(); ++i) {
        const double x = columns[i];
        // Under the heading the first two columns and the next two are one each.
        const bool merged = x == 10 || x == 30;
        vline(x, 0, merged ? 6 : 11, kThickLineMm);
    }
    const std::array<QString, 6> headings{QStringLiteral("Изм."),  QStringLiteral("Кол.уч."),
                                          QStringLiteral("Лист"),  QStringLiteral("№ док."),
                                          QStringLiteral("Подп."), QStringLiteral("Дата")};
    for (std::size_t i = 0; i < headings.size(); ++i)
        cells.push_back(cell(at(columns[i], 5, columns[i + 1] - columns[i], 1), headings[i], 3.5));
    const std::array<std::pair<QString, const QString*>, 5> signatures{{
        {QStringLiteral("Разраб."), &p.developer},
        {QStringLiteral("Пров."), &p.checker},
        {QString(), nullptr},
        {QStringLiteral("Н. контр."), &p.normControl},
        {QStringLiteral("ГИП"), &p.chiefEngineer},
    }};
    for (std::size_t i = 0; i < signatures.size(); ++i) {
        const int row = 6 + static_cast<int>(i);
        const auto& [role, name] = signatures[i];
        cells.push_back(cell(at(0, row, 20, 1), role, 3.5, false));
        cells.push_back(cell(at(20, row, 20, 1), name ? *name : QString(), 3.5, false));
        cells.push_back(cell(at(40, row, 15, 1), {}, 3.5));
        cells.push_back(
            cell(at(55, row, 10, 1), name && !name->isEmpty() ? p.date : QString(), 3.5));
    }

    // The right part, from the top.
    constexpr double r = 65;
    hline(r, 185, 3, kThickLineMm);
    hline(r, 185, 5, kThickLineMm);
    hline(r + 70, 185, 6, kThickLineMm);
    hline(r, 185, 8, kThickLineMm);
    vline(r + 70, 5, 11, kThickLineMm);
    vline(r + 85, 5, 8, kThickLineMm);
    vline(r + 100, 5, 8, kThickLineMm);
    cells.push_back(cell(at(r, 0, 120, 3), p.documentCode, 7));
    cells.push_back(cell(at(r, 3, 120, 2), p.object, 5));
    cells.push_back(cell(at(r, 5, 70, 3), p.address, 3.5));
    cells.push_back(cell(at(r + 70, 5, 15, 1), QStringLiteral("Стадия"), 3.5));
    cells.push_back(cell(at(r + 85, 5, 15, 1), QStringLiteral("Лист"), 3.5));
    cells.push_back(cell(at(r + 100, 5, 20, 1), QStringLiteral("Листов"), 3.5));
    cells.push_back(cell(at(r + 70, 6, 15, 2), p.stage, 5));
    cells.push_back(cell(at(r + 85, 6, 15, 2), QStringLiteral("1"), 5));
    cells.push_back(cell(at(r + 100, 6, 20, 2), QStringLiteral("1"), 5));
    cells.push_back(cell(at(r, 8, 70, 3), QStringLiteral("Схема заземляющего устройства"), 5));
    cells.push_back(cell(at(r + 70, 8, 50, 3), p.organisation, 3.5));
}

// The equipment schedule, as wide as the title block, standing on it.
void equipmentScheduleTable(DrawingSheet& sheet, const std::vector<QStringList>& rows) {
    if (rows.empty())
        return;
    const double total =
        std::accumulate(kEquipmentScheduleColumns.begin(), kEquipmentScheduleColumns.end(), 0.0);
    const double height =
        kEquipmentScheduleHeader + kEquipmentScheduleRow * static_cast<double>(rows.size());
    const QRectF table(sheet.titleBlock.left(), sheet.titleBlock.top() - height, kBlockWidth,
                       height);
    sheet.schedule = table;
    rectangle(sheet.lines, table, kThickLineMm);
    const QStringList titles = equipmentScheduleColumns();
    double x = table.left();
    for (std::size_t i = 0; i < kEquipmentScheduleColumns.size(); ++i) {
        const double w = kEquipmentScheduleColumns[i] * kBlockWidth / total;
        if (i > 0)
            sheet.lines.push_back({QLineF(x, table.top(), x, table.bottom()), kThickLineMm});
        const int column = static_cast<int>(i);
        sheet.cells.push_back(
            cell(QRectF(x, table.top(), w, kEquipmentScheduleHeader), titles.value(column), 2.5));
        for (std::size_t j = 0; j < rows.size(); ++j) {
            const double top = table.top() + kEquipmentScheduleHeader +
                               kEquipmentScheduleRow * static_cast<double>(j);
            sheet.cells.push_back(cell(QRectF(x, top, w, kEquipmentScheduleRow),
                                       rows[j].value(column), 3.5, column != 1));
        }
        x += w;
    }
    for (std::size_t j = 0; j < rows.size(); ++j) {
        const double y =
            table.top() + kEquipmentScheduleHeader + kEquipmentScheduleRow * static_cast<double>(j);
        sheet.lines.push_back(
            {QLineF(table.left(), y, table.right(), y), j == 0 ? kThickLineMm : kThinLineMm});
    }
}

// The view at the largest scale that fits the area above its caption, centred in it; a view that
// cannot be drawn has the sentence notDrawn in its place (if any).
template <class Make>
SheetView placed(const QRectF& region, const QString& name, const QString& notDrawn, Make make) {
    SheetView v;
    v.area = QRectF(region.left(), region.top(), region.width(), region.height() - kCaptionHeight);
    if (make(sheetScales().front()).isEmpty()) {
        if (!notDrawn.isEmpty())
            v.caption = cell(v.area, notDrawn, 5);
        return v;
    }
    v.denominator =
        largestFittingScale(v.area.size(), [&](int d) { return make(d).bounds().size(); });
    v.view = make(v.denominator);
    const QRectF b = v.view.bounds();
    const double d = v.denominator;
    v.origin =
        QPointF(v.area.center().x() - b.center().x() / d, v.area.center().y() + b.center().y() / d);
    const double bottom = v.origin.y() - b.top() / d;
    v.caption = cell(QRectF(v.area.center().x() - 40, bottom + 1.5, 80, kCaptionHeight - 1.5),
                     name + QStringLiteral("  М 1:") + QString::number(v.denominator), 5);
    return v;
}

} // namespace

std::vector<int> sheetScales() {
    return {50, 100, 200, 500, 1000, 2000, 5000, 10000};
}

DrawingSheet drawingSheet(const DesignState& state, const SteelThickness& thickness,
                          const NumberText& numbers, const ProjectData& project, SheetSize size) {
    DrawingSheet sheet;
    sheet.page = size == SheetSize::A3 ? QSizeF(420, 297) : QSizeF(297, 210);
    sheet.frame = QRectF(QPointF(kLeftMargin, kMargin),
                         QPointF(sheet.page.width() - kMargin, sheet.page.height() - kMargin));
    rectangle(sheet.lines, sheet.frame, kThickLineMm);
    sheet.titleBlock = QRectF(sheet.frame.right() - kBlockWidth,
                              sheet.frame.bottom() - kBlockHeight, kBlockWidth, kBlockHeight);
    titleBlock(sheet, project);
    equipmentScheduleTable(
        sheet, equipmentScheduleTexts(equipmentSchedule(billOfMaterials(state, thickness), numbers),
                                      numbers));

    // The plan across the sheet above the equipment schedule; the section left of it and of the
    // title block.
    const double band =
        std::min(sheet.schedule.isNull() ? sheet.titleBlock.top() : sheet.schedule.top(),
                 sheet.frame.bottom() - 70);
    const QRectF planRegion(QPointF(sheet.frame.left() + kMargin, sheet.frame.top() + kMargin),
                            QPointF(sheet.frame.right() - kMargin, band - kMargin));
    const QRectF sectionRegion(
        QPointF(sheet.frame.left() + kMargin, band + kMargin),
        QPointF(sheet.titleBlock.left() - kMargin, sheet.frame.bottom() - kMargin));
    sheet.plan = placed(planRegion, QStringLiteral("План"), planNotDrawn(state, numbers),
                        [&](int d) { return schemePlanView(state, thickness, numbers, d); });
    // The section is drawn from the plan: without a plan, the plan's sentence says why.
    sheet.section = placed(sectionRegion, QStringLiteral("Разрез"),
                           sheet.plan.denominator > 0 ? sectionNotDrawn(state, numbers) : QString(),
                           [&](int d) { return schemeSectionView(state, numbers, d); });
    return sheet;
}
