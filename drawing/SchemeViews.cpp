// The plan and the section of the earthing device as drawing geometry in millimetres.
#include "drawing/SchemeViews.h"

#include "calc/ElectrodeLayout.h"

#include <algorithm>
#include <cmath>

namespace {

// On the sheet, in mm.
// The texts' size: capitals of 2.5 mm in the drawing's font.
constexpr double kTextHeight = 3.7;
constexpr double kDimensionStep = 8;
constexpr double kGap = 1.5;

QString metres(const NumberText& n, const QString& symbol, double v) {
    return symbol + QStringLiteral(" = ") + n.general(v) + QStringLiteral(" м");
}

// A horizontal dimension from x1 to x2 of the object at height objectY, its line at y; its text
// above the line between the extension lines, or right of the second one where it has no room.
ViewDimension along(double x1, double x2, double objectY, double y, const QString& text, double h) {
    ViewDimension d;
    d.from = {x1, objectY};
    d.to = {x2, objectY};
    d.line = {x1, y};
    d.text = text;
    const double width = estimatedTextWidth(text, h);
    const double left = std::min(x1, x2), right = std::max(x1, x2);
    if (right - left >= width + 2 * kGap * h / kTextHeight)
        d.textAt = {(left + right) / 2, y + h * 0.5 + kGap * h / kTextHeight};
    else
        d.textAt = {right + width / 2 + 2 * kGap * h / kTextHeight,
                    y + h * 0.5 + kGap * h / kTextHeight};
    return d;
}

// A vertical dimension from y1 to y2 of the object at objectX, its line at x; its text right of
// the line, level.
ViewDimension down(double y1, double y2, double objectX, double x, const QString& text, double h) {
    ViewDimension d;
    d.from = {objectX, y1};
    d.to = {objectX, y2};
    d.line = {x, y1};
    d.vertical = true;
    d.text = text;
    d.textAt = {x + kGap * h / kTextHeight + estimatedTextWidth(text, h) / 2, (y1 + y2) / 2};
    return d;
}

} // namespace

double estimatedTextWidth(const QString& text, double height) {
    // Liberation Sans averages about 0.55 of the height a character; a margin over that.
    return 0.6 * height * static_cast<double>(text.size());
}

QRectF SchemeViewGeometry::bounds() const {
    QRectF r;
    const auto add = [&r](const QRectF& b) { r = r.isNull() ? b : r.united(b); };
    for (const ViewPath& p : paths)
        add(p.points.boundingRect());
    // The electrodes are drawn never smaller than a third of the texts' height.
    const double dot = std::max(electrodeRadius, textHeight / 3);
    for (const QPointF& c : electrodes)
        add(QRectF(c - QPointF(dot, dot), QSizeF(2 * dot, 2 * dot)));
    for (const ViewCircle& c : circles)
        add(QRectF(c.centre - QPointF(c.radius, c.radius), QSizeF(2 * c.radius, 2 * c.radius)));
    const auto textBox = [&](QPointF at, const QString& s) {
        const double w = estimatedTextWidth(s, textHeight);
        return QRectF(at.x() - w / 2, at.y() - textHeight / 2, w, textHeight);
    };
    for (const ViewDimension& d : dimensions) {
        add(QRectF(d.from, d.to).normalized());
        add(QRectF(d.line, d.line + (d.vertical ? QPointF(0, d.to.y() - d.from.y())
                                                : QPointF(d.to.x() - d.from.x(), 0)))
                .normalized());
        add(textBox(d.textAt, d.text));
    }
    for (const ViewText& t : texts)
        add(textBox(t.at, t.text));
    return r;
}

SchemeViewGeometry schemePlanView(const DesignState& s, const SteelThickness& thickness,
                                  const NumberText& n, double k) {
    SchemeViewGeometry view;
    const std::optional<ElectrodeLayout> plan = layOutElectrodes(s);
    if (!plan || !(k > 0))
        return view;
    const double h = kTextHeight * k, step = kDimensionStep * k;
    view.textHeight = h;
    const auto mm = [](QPointF m) { return m * 1000.0; };
    if (!plan->strip.empty()) {
        ViewPath strip;
        for (const QPointF& m : plan->strip)
            strip.points << mm(m);
        strip.layer = SchemeLayer::Strip;
        strip.closed = plan->closed;
        view.paths.push_back(strip);
    }
    const bool round = s.ElectrodeMaterial == ElectrodeMaterial::RoundSection;
    const double width = round ? s.RoundDiameterMm : s.AngleFlangeWidthMm;
    const double wall = std::min<double>(thickness.angleWallMm, width);
    view.electrodeRadius = std::max(width, 1.0) / 2;
    for (const QPointF& m : plan->electrodes) {
        const QPointF c = mm(m);
        view.electrodes.push_back(c);
        if (round || !(width > 0)) {
            view.circles.push_back({c, view.electrodeRadius});
            continue;
        }
        // The angle's outline, its corner towards (0, 0).
        const QPointF o = c - QPointF(width / 2, width / 2);
        ViewPath angle;
        angle.points << o << o + QPointF(width, 0) << o + QPointF(width, wall)
                     << o + QPointF(wall, wall) << o + QPointF(wall, width)
                     << o + QPointF(0, width);
        angle.layer = SchemeLayer::Electrodes;
        angle.closed = true;
        view.paths.push_back(angle);
    }
    const auto& e = plan->electrodes;
    const double bottom = 0, right = plan->extent.width() * 1000;
    if (e.size() > 1 && s.VerticalSpacing > 0)
        view.dimensions.push_back(along(e[0].x() * 1000, e[1].x() * 1000, bottom, bottom - step,
                                        metres(n, QStringLiteral("a"), s.VerticalSpacing), h));
    const double stripLength = s.RefinedHorizontalLength;
    if (!plan->closed) {
        if (stripLength > 0)
            view.dimensions.push_back(along(0, stripLength * 1000, bottom, bottom - 2 * step,
                                            metres(n, QStringLiteral("Lг.у"), stripLength), h));
        return view;
    }
    const QSizeF side = plan->extent;
    if (side.width() > 0)
        view.dimensions.push_back(along(0, right, bottom, bottom - 2 * step,
                                        n.general(side.width()) + QStringLiteral(" м"), h));
    if (side.height() > 0)
        view.dimensions.push_back(down(side.height() * 1000, 0, right, right + step,
                                       n.general(side.height()) + QStringLiteral(" м"), h));
    return view;
}

SchemeViewGeometry schemeSectionView(const DesignState& s, const NumberText& n, double k) {
    SchemeViewGeometry view;
    const std::optional<ElectrodeLayout> plan = layOutElectrodes(s);
    const double L = s.VerticalLength, t0 = s.HorizontalDepth, H = s.UpperLayerThickness;
    if (!plan || !(k > 0) || !std::isfinite(L + t0 + H) || !(L > 0) || t0 < 0 || H < 0)
        return view;
    const double h = kTextHeight * k, step = kDimensionStep * k;
    view.textHeight = h;
    // The electrodes of the first side, from the first, at most three.
    std::vector<double> xs;
    for (const QPointF& m : plan->electrodes)
        if (std::abs(m.y()) < 1e-9)
            xs.push_back(m.x() * 1000);
    std::sort(xs.begin(), xs.end());
    xs.erase(std::unique(xs.begin(), xs.end()), xs.end());
    const bool more = xs.size() > 3;
    if (more)
        xs.resize(3);
    const double spacing = std::max(s.VerticalSpacing * 1000, 0.0);
    const double sideEnd = plan->closed ? plan->extent.width() * 1000
                                        : std::max(0.0, s.RefinedHorizontalLength * 1000);
    const double right = std::max(xs.back(), std::min(sideEnd, xs.back() + spacing / 2));
    const double groundLeft = -2 * step, objectRight = right + step / 2;

    // The dimensions right of the object: t0 and L in a chain, H beyond their texts.
    const double chainX = objectRight + step / 2;
    const QString t0Text = metres(n, QStringLiteral("t0"), t0);
    const QString lText = metres(n, QStringLiteral("L"), L);
    if (t0 > 0)
        view.dimensions.push_back(down(0, -t0 * 1000, objectRight, chainX, t0Text, h));
    view.dimensions.push_back(down(-t0 * 1000, -(t0 + L) * 1000, objectRight, chainX, lText, h));
    const double chainTexts =
        std::max(estimatedTextWidth(t0Text, h), estimatedTextWidth(lText, h)) + 2 * kGap * k;
    const double layerX = chainX + chainTexts + step / 2;
    const QString hText = metres(n, QStringLiteral("H"), H);
    double soilX = layerX;
    if (H > 0) {
        view.dimensions.push_back(down(0, -H * 1000, layerX - step / 2, layerX, hText, h));
        soilX = layerX + estimatedTextWidth(hText, h) + 2 * kGap * k + step / 2;
    }
    // Each soil in two lines, its name over its resistivity, beside the boundary.
    const auto soil = [&](const QString& name, const QString& symbol, double rho) {
        return QStringList{name.isEmpty() ? QStringLiteral("грунт не выбран") : name,
                           symbol + QStringLiteral(" = ") + n.general(rho) +
                               QStringLiteral(" Ом·м")};
    };
    const double lineStep = h + kGap * k;
    double groundRight = soilX;
    const auto twoLines = [&](const QStringList& lines, double firstY) {
        for (qsizetype i = 0; i < lines.size(); ++i) {
            const double w = estimatedTextWidth(lines[i], h);
            view.texts.push_back(
                {{soilX + w / 2, firstY - static_cast<double>(i) * lineStep}, h, lines[i]});
            groundRight = std::max(groundRight, soilX + w);
        }
    };
    const QStringList lower = soil(s.LowerSoilName, QStringLiteral("ρ2"), s.LowerResistivity);
    if (H > 0) {
        // Above the ground where the upper layer is too thin for its two lines.
        const double above = H * 1000 >= 2 * lineStep + 3 * k ? -H * 1000 : 3 * k;
        twoLines(soil(s.UpperSoilName, QStringLiteral("ρ1"), s.UpperResistivity),
                 above + h / 2 + kGap * k + lineStep);
        twoLines(lower, -H * 1000 - h / 2 - kGap * k);
    } else {
        twoLines(lower, -h / 2 - kGap * k - step / 2);
    }
    groundRight += step / 2;

    // The ground and the boundary break where the texts of the dimensions stand; the extension
    // lines of H carry them on between.
    const double breakFrom = chainX + kGap * k / 2;
    const double breakTo = H > 0 ? soilX - step / 4 : soilX;
    const auto across = [&](double y, bool dashed) {
        for (const auto& [from, to] : {std::pair{groundLeft, breakFrom}, {breakTo, groundRight}}) {
            ViewPath line;
            line.points << QPointF(from, y) << QPointF(to, y);
            line.layer = SchemeLayer::Soil;
            line.dashed = dashed;
            view.paths.push_back(line);
        }
    };
    across(0, false);
    // The hatching of the ground, above its line.
    for (double x = groundLeft; x + 2 * k <= groundRight; x += 3 * k) {
        if (x + 2 * k > breakFrom && x < breakTo)
            continue;
        ViewPath tick;
        tick.points << QPointF(x, 0) << QPointF(x + 2 * k, 2 * k);
        tick.layer = SchemeLayer::Soil;
        view.paths.push_back(tick);
    }
    if (H > 0)
        across(-H * 1000, true);
    if (s.RefinedHorizontalLength > 0) {
        ViewPath strip;
        strip.points << QPointF(0, -t0 * 1000) << QPointF(right, -t0 * 1000);
        strip.layer = SchemeLayer::Strip;
        view.paths.push_back(strip);
    }
    const double width = std::max<double>(s.ElectrodeMaterial == ElectrodeMaterial::RoundSection
                                              ? s.RoundDiameterMm
                                              : s.AngleFlangeWidthMm,
                                          1.0);
    for (double x : xs) {
        ViewPath electrode;
        electrode.points << QPointF(x - width / 2, -t0 * 1000) << QPointF(x + width / 2, -t0 * 1000)
                         << QPointF(x + width / 2, -(t0 + L) * 1000)
                         << QPointF(x - width / 2, -(t0 + L) * 1000);
        electrode.layer = SchemeLayer::Electrodes;
        electrode.closed = true;
        view.paths.push_back(electrode);
    }
    return view;
}

QString planNotDrawn(const DesignState& s, const NumberText& n) {
    return QStringLiteral("План не строится: Nу = ") + n.general(s.RefinedCount) +
           QStringLiteral(", a = ") + n.general(s.VerticalSpacing) + QStringLiteral(" м");
}

QString sectionNotDrawn(const DesignState& s, const NumberText& n) {
    return QStringLiteral("Разрез не строится: L = ") + n.general(s.VerticalLength) +
           QStringLiteral(" м, t0 = ") + n.general(s.HorizontalDepth) + QStringLiteral(" м");
}
