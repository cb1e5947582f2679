// The scheme of the earthing device drawn to fill a widget, or nothing before there is one.
#include "dialogs/SchemeView.h"

#include <QPainter>

SchemeView::SchemeView(QWidget* parent) : QWidget(parent) {
    setMinimumSize(320, 200);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void SchemeView::setDrawing(std::optional<SchemeDrawing> drawing) {
    m_drawing = std::move(drawing);
    update();
}

void SchemeView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (m_drawing)
        m_drawing->paint(painter, size());
    else
        painter.fillRect(rect(), Qt::white);
}
