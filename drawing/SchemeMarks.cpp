// What a drawing puts where, recorded by a paint device that draws nothing.
#include "drawing/SchemeMarks.h"

#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QTransform>

namespace {

class RecordingEngine : public QPaintEngine {
public:
    explicit RecordingEngine(SchemeMarks& marks) : QPaintEngine(AllFeatures), m_marks(marks) {}

    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    Type type() const override { return User; }

    void updateState(const QPaintEngineState& state) override {
        if (state.state() & DirtyTransform)
            m_transform = state.transform();
        if (state.state() & DirtyPen)
            m_stroked = state.pen().style() != Qt::NoPen;
    }

    void drawLines(const QLineF* lines, int count) override {
        if (!m_stroked)
            return;
        for (int i = 0; i < count; ++i)
            m_marks.lines.push_back(m_transform.map(lines[i]));
    }
    void drawLines(const QLine* lines, int count) override {
        for (int i = 0; i < count; ++i) {
            const QLineF line(lines[i]);
            drawLines(&line, 1);
        }
    }
    void drawPolygon(const QPointF* points, int count, PolygonDrawMode mode) override {
        if (!m_stroked || count < 2)
            return;
        for (int i = 1; i < count; ++i)
            m_marks.lines.push_back(m_transform.map(QLineF(points[i - 1], points[i])));
        if (mode != PolylineMode)
            m_marks.lines.push_back(m_transform.map(QLineF(points[count - 1], points[0])));
    }
    void drawPolygon(const QPoint* points, int count, PolygonDrawMode mode) override {
        QPolygonF polygon;
        for (int i = 0; i < count; ++i)
            polygon << QPointF(points[i]);
        drawPolygon(polygon.constData(), count, mode);
    }
    void drawEllipse(const QRectF& r) override {
        if (!m_stroked)
            return;
        const QRectF box = m_transform.mapRect(r);
        drawBox(box);
    }
    void drawRects(const QRectF* rects, int count) override {
        for (int i = 0; i < count; ++i)
            if (m_stroked)
                drawBox(m_transform.mapRect(rects[i]));
    }
    void drawPath(const QPainterPath& path) override {
        if (!m_stroked)
            return;
        for (const QPolygonF& polygon : path.toSubpathPolygons(m_transform))
            for (qsizetype i = 1; i < polygon.size(); ++i)
                m_marks.lines.emplace_back(polygon[i - 1], polygon[i]);
    }
    void drawTextItem(const QPointF& p, const QTextItem& item) override {
        const QRectF box(p.x(), p.y() - item.ascent(), item.width(),
                         item.ascent() + item.descent());
        m_marks.labels.push_back(m_transform.mapRect(box));
    }
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}

private:
    void drawBox(const QRectF& b) {
        m_marks.lines.emplace_back(b.topLeft(), b.topRight());
        m_marks.lines.emplace_back(b.topRight(), b.bottomRight());
        m_marks.lines.emplace_back(b.bottomRight(), b.bottomLeft());
        m_marks.lines.emplace_back(b.bottomLeft(), b.topLeft());
    }

    SchemeMarks& m_marks;
    QTransform m_transform;
    bool m_stroked = true;
};

class RecordingDevice : public QPaintDevice {
public:
    RecordingDevice(SchemeMarks& marks, QSizeF size) : m_engine(marks), m_size(size) {}
    QPaintEngine* paintEngine() const override { return &m_engine; }

protected:
    int metric(PaintDeviceMetric metric) const override {
        switch (metric) {
        case PdmWidth:
            return static_cast<int>(m_size.width());
        case PdmHeight:
            return static_cast<int>(m_size.height());
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY:
            return 96;
        case PdmDepth:
            return 32;
        case PdmDevicePixelRatio:
            return 1;
        case PdmDevicePixelRatioScaled:
            return static_cast<int>(devicePixelRatioFScale());
        default:
            return QPaintDevice::metric(metric);
        }
    }

private:
    mutable RecordingEngine m_engine;
    QSizeF m_size;
};

} // namespace

SchemeMarks SchemeMarks::recorded(const QSizeF& size, const std::function<void(QPainter&)>& paint) {
    SchemeMarks marks;
    RecordingDevice device(marks, size);
    QPainter painter(&device);
    paint(painter);
    painter.end();
    return marks;
}
