// The scheme of the earthing device drawn to fill a widget, or nothing before there is one.
#pragma once

#include "drawing/SchemeDrawing.h"

#include <QWidget>
#include <optional>

class SchemeView : public QWidget {
public:
    explicit SchemeView(QWidget* parent = nullptr);

    void setDrawing(std::optional<SchemeDrawing> drawing);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::optional<SchemeDrawing> m_drawing;
};
