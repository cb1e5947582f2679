// The scheme of the earthing device: plan, section with the soil layers, and a title block.
#include "drawing/SchemeDrawing.h"

#include "calc/ElectrodeLayout.h"
#include "calc/InstallationVerdict.h"
#include "drawing/SchemeViews.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <algorithm>
#include <cmath>
#include <set>

namespace {

// The canvas, in its own units.
constexpr double kMargin = 20;
constexpr double kMapLeft = 70, kMapRight = 620;       // plan and section share this x range
constexpr double kPlanTop = 110, kPlanBottom = 320;    // the plan's shape, dimensions below it
constexpr double kGroundY = 500, kSectionBottom = 775; // the section
constexpr double kChainX = 665, kLayerX = 790;         // the section's dimension lines
constexpr double kBlockLeft = 920, kBlockRight = 1260; // the title block, legend and soils
constexpr double kBlockTop = 70;

const QColor kInk(0x20, 0x20, 0x20);
const QColor kStrip(0x1f, 0x4e, 0x9a);
const QColor kDimension(0x55, 0x55, 0x55);
const QColor kBoundary(0x8a, 0x5a, 0x2b);
const QColor kWarning(0xc0, 0x00, 0x00);

QFont font(int pixels, bool bold = false) {
    QFont f(QStringLiteral("Liberation Sans"));
    f.setStyleHint(QFont::SansSerif);
    f.setPixelSize(pixels);
    f.setBold(bold);
    return f;
}

// Text whose box is placed at `at` by `align` (left/right/centre, top/bottom/centre); with a
// backdrop, the box is first cleared to white so that lines under it do not cross the text.
void text(QPainter& p, QPointF at, const QString& s, Qt::Alignment align, bool backdrop = false) {
    const QFontMetricsF m(p.font());
    const QSizeF size(m.horizontalAdvance(s) + 4, m.height());
    double x = at.x(), y = at.y();
    if (align & Qt::AlignRight)
        x -= size.width();
    else if (align & Qt::AlignHCenter)
        x -= size.width() / 2;
    if (align & Qt::AlignBottom)
        y -= size.height();
    else if (align & Qt::AlignVCenter)
        y -= size.height() / 2;
    const QRectF box(QPointF(x, y), size);
    if (backdrop)
        p.fillRect(box, Qt::white);
    p.drawText(box, Qt::AlignCenter, s);
}

void arrowHead(QPainter& p, QPointF tip, QPointF direction) {
    const QPointF d = direction / std::hypot(direction.x(), direction.y());
    const QPointF n(-d.y(), d.x());
    const QPolygonF head{tip, tip - d * 9 + n * 3, tip - d * 9 - n * 3};
    p.setBrush(kDimension);
    p.drawPolygon(head);
    p.setBrush(Qt::NoBrush);
}

// A horizontal dimension from x1 to x2 at height y, with extension lines up from objectY, and
// its text above the line.
void dimensionAlong(QPainter& p, double x1, double x2, double objectY, double y, const QString& s) {
    p.setPen(QPen(kDimension, 1));
    p.drawLine(QPointF(x1, objectY + 4), QPointF(x1, y + 5));
    p.drawLine(QPointF(x2, objectY + 4), QPointF(x2, y + 5));
    p.drawLine(QPointF(x1, y), QPointF(x2, y));
    arrowHead(p, {x1, y}, {x1 - x2, 0});
    arrowHead(p, {x2, y}, {x2 - x1, 0});
    p.setPen(kInk);
    // A text wider than the dimension stands right of it, clear of its extension lines.
    const double width = QFontMetricsF(p.font()).horizontalAdvance(s) + 4;
    if (std::abs(x2 - x1) >= width + 12)
        text(p, {(x1 + x2) / 2, y - 1}, s, Qt::AlignHCenter | Qt::AlignBottom, true);
    else
        text(p, {std::max(x1, x2) + 6, y - 1}, s, Qt::AlignLeft | Qt::AlignBottom, true);
}

// A vertical dimension from y1 to y2 at x, with extension lines from objectX, and its text to
// the right of the line.
void dimensionDown(QPainter& p, double y1, double y2, double objectX, double x, const QString& s) {
    p.setPen(QPen(kDimension, 1));
    p.drawLine(QPointF(objectX + 4, y1), QPointF(x + 5, y1));
    p.drawLine(QPointF(objectX + 4, y2), QPointF(x + 5, y2));
    p.drawLine(QPointF(x, y1), QPointF(x, y2));
    arrowHead(p, {x, y1}, {0, y1 - y2});
    arrowHead(p, {x, y2}, {0, y2 - y1});
    p.setPen(kInk);
    text(p, {x + 8, (y1 + y2) / 2}, s, Qt::AlignLeft | Qt::AlignVCenter, true);
}

// How wide a text is in the painter's font, with the margin text() gives it.
double textWidth(const QPainter& p, const QString& s) {
    return QFontMetricsF(p.font()).horizontalAdvance(s) + 4;
}

QString metres(const NumberText& n, const QString& symbol, double v) {
    return symbol + QStringLiteral(" = ") + n.general(v) + QStringLiteral(" м");
}

// Metres of the plan to the canvas: x to the right, y up from the plan's bottom.
struct PlanMap {
    double scale = 1, left = 0, bottom = 0;
    QPointF operator()(QPointF m) const { return {left + m.x() * scale, bottom - m.y() * scale}; }
    double x(double metres) const { return left + metres * scale; }
};

PlanMap planMap(const QSizeF& extent) {
    const double width = kMapRight - kMapLeft, height = kPlanBottom - kPlanTop;
    double scale = 0;
    if (extent.width() > 0)
        scale = width / extent.width();
    if (extent.height() > 0)
        scale = scale > 0 ? std::min(scale, height / extent.height()) : height / extent.height();
    if (!(scale > 0) || !std::isfinite(scale))
        scale = 1;
    PlanMap map;
    map.scale = scale;
    map.left = kMapLeft + (width - extent.width() * scale) / 2;
    map.bottom = kPlanBottom - (height - extent.height() * scale) / 2;
    return map;
}

// The plan: the strip, the electrodes, and the dimensions a and Lг.у (a contour: its sides).
void paintPlan(QPainter& p, const DesignState& s, const NumberText& n,
               const std::optional<ElectrodeLayout>& plan, const PlanMap& map) {
    if (!plan) {
        text(p, {(kMapLeft + kMapRight) / 2, (kPlanTop + kPlanBottom) / 2}, planNotDrawn(s, n),
             Qt::AlignCenter);
        return;
    }
    if (!plan->strip.empty()) {
        QPolygonF path;
        for (const QPointF& m : plan->strip)
            path << map(m);
        p.setPen(QPen(kStrip, 3, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
        p.drawPolyline(path);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    for (const QPointF& m : plan->electrodes)
        p.drawEllipse(map(m), 5, 5);
    p.setBrush(Qt::NoBrush);

    const double bottom = map.bottom, right = map.x(plan->extent.width());
    const auto& e = plan->electrodes;
    if (e.size() > 1 && s.VerticalSpacing > 0)
        dimensionAlong(p, map(e[0]).x(), map(e[1]).x(), bottom, bottom + 30,
                       metres(n, QStringLiteral("a"), s.VerticalSpacing));
    const double stripLength = s.RefinedHorizontalLength;
    if (!plan->closed) {
        if (stripLength > 0)
            dimensionAlong(p, map.x(0), map.x(stripLength), bottom, bottom + 62,
                           metres(n, QStringLiteral("Lг.у"), stripLength));
        return;
    }
    const QSizeF side = plan->extent;
    const double top = map({0, side.height()}).y();
    if (side.width() > 0 && side.width() != s.VerticalSpacing)
        dimensionAlong(p, map.x(0), right, bottom, bottom + 62,
                       n.general(side.width()) + QStringLiteral(" м"));
    if (side.height() > 0)
        dimensionDown(p, top, bottom, right, right + 30,
                      n.general(side.height()) + QStringLiteral(" м"));
    if (stripLength > 0)
        text(p, {(map.x(0) + right) / 2, top - 8},
             QStringLiteral("полоса по контуру, ") + metres(n, QStringLiteral("Lг.у"), stripLength),
             Qt::AlignHCenter | Qt::AlignBottom, true);
}

QString soilText(const QString& layer, const QString& name, const QString& symbol,
                 double resistivity, const NumberText& n) {
    return layer + (name.isEmpty() ? QStringLiteral("не выбран") : name) + QStringLiteral("\n") +
           symbol + QStringLiteral(" = ") + n.general(resistivity) + QStringLiteral(" Ом·м");
}

// Two lines of text, the first of them at `top`.
void twoLines(QPainter& p, double left, double top, const QString& s) {
    const QStringList lines = s.split(QLatin1Char('\n'));
    const double height = QFontMetricsF(p.font()).height();
    for (qsizetype i = 0; i < lines.size(); ++i)
        text(p, {left, top + static_cast<double>(i) * height}, lines[i],
             Qt::AlignLeft | Qt::AlignTop, true);
}

// The section seen from the plan's first side, with the same x: the ground, the strip at t0,
// the electrodes from t0 down, the layer boundary at H with both soils, and t0, L and H.
void paintSection(QPainter& p, const DesignState& s, const NumberText& n,
                  const std::optional<ElectrodeLayout>& plan, const PlanMap& map) {
    const double L = s.VerticalLength, t0 = s.HorizontalDepth, H = s.UpperLayerThickness;
    const double deepest = std::max(t0 + L, H);
    if (!std::isfinite(deepest) || !(L > 0) || t0 < 0 || H < 0 || !plan) {
        text(p, {(kMapLeft + kMapRight) / 2, (kGroundY + kSectionBottom) / 2},
             sectionNotDrawn(s, n), Qt::AlignCenter);
        return;
    }
    const double lineHeight = QFontMetricsF(p.font()).height();
    // Room under the boundary for the lower soil's two lines.
    double depthScale = (kSectionBottom - kGroundY) / (deepest * 1.08);
    if (H > 0)
        depthScale = std::min(depthScale, (kSectionBottom - kGroundY - 2 * lineHeight - 6) / H);
    const auto y = [&](double depth) { return kGroundY + depth * depthScale; };
    const double groundLeft = kMapLeft - 40;

    // The dimensions right of the object: t0 and L in a chain, H beyond their texts. The ground
    // and the boundary break where the texts of the dimensions stand; the extension lines of H
    // carry them on between.
    const QString t0Text = metres(n, QStringLiteral("t0"), t0);
    const QString lText = metres(n, QStringLiteral("L"), L);
    const QString hText = metres(n, QStringLiteral("H"), H);
    const double chainTextsEnd =
        kChainX + 8 + std::max(t0 > 0 ? textWidth(p, t0Text) : 0.0, textWidth(p, lText)) + 4;
    const double resume = H > 0 ? kLayerX + 8 + textWidth(p, hText) + 4 : chainTextsEnd;
    const auto across = [&](double atY) {
        p.drawLine(QPointF(groundLeft, atY), QPointF(kChainX + 5, atY));
        p.drawLine(QPointF(resume, atY), QPointF(kBlockRight, atY));
    };

    p.setPen(QPen(kInk, 2));
    across(kGroundY);
    p.setPen(QPen(kInk, 1));
    for (double x = groundLeft; x + 8 <= kBlockRight; x += 14)
        if (x + 8 <= kChainX + 5 || x >= resume)
            p.drawLine(QPointF(x, kGroundY), QPointF(x + 8, kGroundY - 8));
    if (H > 0) {
        p.setPen(QPen(kBoundary, 1.5, Qt::DashLine));
        across(y(H));
    }

    const double stripEnd =
        plan->closed ? plan->extent.width() : std::max(0.0, s.RefinedHorizontalLength);
    if (s.RefinedHorizontalLength > 0) {
        p.setPen(QPen(kStrip, 3, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(QPointF(map.x(0), y(t0)), QPointF(map.x(stripEnd), y(t0)));
    }
    // Electrodes one behind another (the far side of a contour) are drawn once.
    std::set<long long> drawn;
    p.setPen(QPen(kInk, 4, Qt::SolidLine, Qt::FlatCap));
    for (const QPointF& m : plan->electrodes) {
        const double x = map(m).x();
        if (drawn.insert(std::llround(x * 10)).second)
            p.drawLine(QPointF(x, y(t0)), QPointF(x, y(t0 + L)));
    }

    p.setPen(kInk);
    // The plan's extent holds the strip too.
    const double objectRight = map.x(plan->extent.width());
    if (t0 > 0)
        dimensionDown(p, y(0), y(t0), objectRight, kChainX, t0Text);
    dimensionDown(p, y(t0), y(t0 + L), objectRight, kChainX, lText);
    if (H > 0)
        dimensionDown(p, y(0), y(H), chainTextsEnd - 4, kLayerX, hText);

    // The soils beside the section, above and below the boundary; the upper one above the ground
    // where its layer is too thin for its lines.
    p.setPen(kInk);
    const double left = kBlockLeft + 4;
    const QString lower = soilText(QStringLiteral("Нижний слой: "), s.LowerSoilName,
                                   QStringLiteral("ρ2"), s.LowerResistivity, n);
    if (H > 0) {
        const QString upper = soilText(QStringLiteral("Верхний слой: "), s.UpperSoilName,
                                       QStringLiteral("ρ1"), s.UpperResistivity, n);
        const double above = y(H) - 3 - 2 * lineHeight;
        twoLines(p, left, above >= kGroundY + 4 ? above : kGroundY - 12 - 2 * lineHeight, upper);
        twoLines(p, left, y(H) + 3, lower);
    } else {
        twoLines(p, left, kGroundY + 4, lower);
    }
}

// The title block (arrangement, material and size, Nу, Lг.у, R, Rн) and the legend under it.
void paintTitleBlock(QPainter& p, const DesignState& s, const SteelThickness& thickness,
                     const NumberText& n) {
    const BillOfMaterials bill = billOfMaterials(s, thickness);
    const InstallationVerdict verdict = installationVerdict(s, n);
    struct Row {
        QString label, value;
        bool warning = false;
    };
    const QString none = QStringLiteral("—");
    const QString arrangement =
        s.ElectrodeArrangement == ElectrodeArrangement::Contour ? QStringLiteral("по контуру")
        : s.ElectrodeArrangement == ElectrodeArrangement::Row ? QStringLiteral("в ряд")
                                                              : none;
    const std::vector<Row> rows{
        {QStringLiteral("Расположение"), arrangement},
        {QStringLiteral("Заземлители"), bill.vertical ? bill.vertical->profile : none},
        {QStringLiteral("Длина L"), n.general(s.VerticalLength) + QStringLiteral(" м")},
        {QStringLiteral("Количество Nу"), n.general(s.RefinedCount) + QStringLiteral(" шт")},
        {QStringLiteral("Полоса"), bill.strip ? bill.strip->profile : none},
        {QStringLiteral("Длина полосы Lг.у"),
         n.general(s.RefinedHorizontalLength) + QStringLiteral(" м")},
        {QStringLiteral("Сопротивление R"),
         s.CheckInstallationResistance
             ? resistanceAgainstNorm(*s.CheckInstallationResistance, s.NormalizedResistance, n) +
                   QStringLiteral(" Ом")
             : QStringLiteral("не вычислено"),
         verdict.outcome != VerdictOutcome::Meets},
        {QStringLiteral("Нормируемое Rн"),
         NumberText::whole(s.NormalizedResistance) + QStringLiteral(" Ом")},
    };
    constexpr double rowHeight = 32, labelWidth = 135;
    const double bottom = kBlockTop + rowHeight * static_cast<double>(rows.size() + 1);
    p.setPen(QPen(kInk, 1.5));
    p.drawRect(QRectF(kBlockLeft, kBlockTop, kBlockRight - kBlockLeft, bottom - kBlockTop));
    p.setFont(font(14, true));
    text(p, {(kBlockLeft + kBlockRight) / 2, kBlockTop + rowHeight / 2},
         QStringLiteral("Заземляющее устройство"), Qt::AlignCenter);
    p.setPen(QPen(kInk, 1));
    p.drawLine(QPointF(kBlockLeft + labelWidth, kBlockTop + rowHeight),
               QPointF(kBlockLeft + labelWidth, bottom));
    double rowTop = kBlockTop + rowHeight;
    for (const Row& row : rows) {
        p.setPen(QPen(kInk, 1));
        p.drawLine(QPointF(kBlockLeft, rowTop), QPointF(kBlockRight, rowTop));
        p.setFont(font(12));
        text(p, {kBlockLeft + 4, rowTop + rowHeight / 2}, row.label,
             Qt::AlignLeft | Qt::AlignVCenter);
        p.setFont(font(13, true));
        p.setPen(row.warning ? kWarning : kInk);
        const double room = kBlockRight - kBlockLeft - labelWidth - 10;
        text(p, {kBlockLeft + labelWidth + 4, rowTop + rowHeight / 2},
             QFontMetricsF(p.font()).elidedText(row.value, Qt::ElideRight, room),
             Qt::AlignLeft | Qt::AlignVCenter);
        rowTop += rowHeight;
    }

    p.setFont(font(13));
    double y = bottom + 24;
    const auto caption = [&](const QString& s) {
        p.setPen(kInk);
        text(p, {kBlockLeft + 40, y}, s, Qt::AlignLeft | Qt::AlignVCenter);
        y += 24;
    };
    p.setPen(QPen(kStrip, 3));
    p.drawLine(QPointF(kBlockLeft, y), QPointF(kBlockLeft + 30, y));
    caption(QStringLiteral("соединительная полоса"));
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    p.drawEllipse(QPointF(kBlockLeft + 15, y), 5, 5);
    p.setBrush(Qt::NoBrush);
    caption(QStringLiteral("вертикальный заземлитель"));
    p.setPen(QPen(kBoundary, 1.5, Qt::DashLine));
    p.drawLine(QPointF(kBlockLeft, y), QPointF(kBlockLeft + 30, y));
    caption(QStringLiteral("граница слоёв грунта"));
}

} // namespace

SchemeDrawing::SchemeDrawing(DesignState state, SteelThickness thickness, NumberText numbers)
    : m_state(std::move(state)), m_thickness(thickness), m_numbers(numbers) {}

void SchemeDrawing::paint(QPainter& painter, const QSizeF& size) const {
    const QSizeF canvas = canvasSize();
    painter.save();
    painter.fillRect(QRectF(QPointF(0, 0), size), Qt::white);
    const double scale = std::min(size.width() / canvas.width(), size.height() / canvas.height());
    if (scale > 0) {
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::TextAntialiasing);
        painter.translate((size.width() - canvas.width() * scale) / 2,
                          (size.height() - canvas.height() * scale) / 2);
        painter.scale(scale, scale);
        paintCanvas(painter);
    }
    painter.restore();
}

void SchemeDrawing::paintCanvas(QPainter& p) const {
    const std::optional<ElectrodeLayout> plan = layOutElectrodes(m_state);
    const PlanMap map = planMap(plan ? plan->extent : QSizeF());
    p.setPen(kInk);
    p.setFont(font(22, true));
    text(p, {kMargin, kMargin}, QStringLiteral("Схема заземляющего устройства"),
         Qt::AlignLeft | Qt::AlignTop);
    p.setFont(font(16, true));
    text(p, {kMargin, 68}, QStringLiteral("План"), Qt::AlignLeft | Qt::AlignTop);
    text(p, {kMargin, 420}, QStringLiteral("Разрез"), Qt::AlignLeft | Qt::AlignTop);
    p.setFont(font(13));
    paintPlan(p, m_state, m_numbers, plan, map);
    paintSection(p, m_state, m_numbers, plan, map);
    paintTitleBlock(p, m_state, m_thickness, m_numbers);
}
