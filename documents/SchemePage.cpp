// The scheme drawn for a page of text.
#include "documents/SchemePage.h"

#include "documents/SheetPainter.h"

#include <QPainter>

#include <cmath>

namespace {

constexpr double kCaptionHeight = 7, kGap = 3;
constexpr double kNotDrawnHeight = 10; // the sentence that stands for a view not drawn

// The view at the scale where it just fills the area (its texts keep their size on paper, so
// the scale is found by steps), standing at the area's top, centred across; its caption under it.
// A view that cannot be drawn has the sentence notDrawn in its place (if any).
template <class Make>
SheetView fitted(double top, double width, double maxHeight, const QString& name,
                 const QString& notDrawn, Make make) {
    SheetView v;
    const QSizeF area(width, maxHeight - kCaptionHeight);
    if (make(1.0).isEmpty()) {
        if (!notDrawn.isEmpty()) {
            v.area = QRectF(0, top, width, kNotDrawnHeight);
            v.caption.rect = v.area;
            v.caption.text = notDrawn;
            v.caption.fitted = fitText(notDrawn, v.area.size(), 5);
        }
        return v;
    }
    double k = 1;
    for (int i = 0; i < 8; ++i) {
        const QSizeF size = make(k).bounds().size() / k;
        const double excess = std::max(size.width() / area.width(), size.height() / area.height());
        if (!(excess > 0) || !std::isfinite(excess))
            return v;
        k *= excess;
    }
    // A little more room wherever the steps stopped short.
    for (k *= 1.01; make(k).bounds().width() / k > area.width() ||
                    make(k).bounds().height() / k > area.height();
         k *= 1.02) {
    }
    v.denominator = k;
    v.view = make(k);
    const QRectF b = v.view.bounds();
    const double h = b.height() / k;
    v.area = QRectF(0, top, width, h + kCaptionHeight);
    v.origin = QPointF(width / 2 - b.center().x() / k, top + b.bottom() / k);
    const QRectF caption(width / 2 - 40, top + h + 1.5, 80, kCaptionHeight - 1.5);
    v.caption.rect = caption;
    v.caption.text = name;
    v.caption.fitted = fitText(name, caption.size(), 5);
    return v;
}

} // namespace

SchemePage schemePage(const DesignState& state, const SteelThickness& thickness,
                      const NumberText& numbers, double widthMm, double planHeightMm,
                      double sectionHeightMm) {
    SchemePage page;
    page.plan =
        fitted(0, widthMm, planHeightMm, QStringLiteral("План"), planNotDrawn(state, numbers),
               [&](double k) { return schemePlanView(state, thickness, numbers, k); });
    const double top = page.plan.area.isNull() ? 0 : page.plan.area.bottom() + kGap;
    // The section is drawn from the plan: without a plan, the plan's sentence says why.
    page.section = fitted(top, widthMm, sectionHeightMm, QStringLiteral("Разрез"),
                          page.plan.denominator > 0 ? sectionNotDrawn(state, numbers) : QString(),
                          [&](double k) { return schemeSectionView(state, numbers, k); });
    const double bottom = page.section.area.isNull() ? top : page.section.area.bottom();
    page.size = QSizeF(widthMm, std::max(bottom, kCaptionHeight));
    return page;
}

QImage schemePageImage(const SchemePage& page, double dotsPerMm) {
    const QSize size(static_cast<int>(std::ceil(page.size.width() * dotsPerMm)),
                     static_cast<int>(std::ceil(page.size.height() * dotsPerMm)));
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    const SheetPainter painter(p, dotsPerMm);
    painter.drawView(page.plan);
    painter.drawView(page.section);
    p.end();
    return image;
}
