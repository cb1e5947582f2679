// The dialog of the utilization coefficient of the connecting strip, electrodes along a contour.
#pragma once

#include <QWidget>

class QLabel;

class TForm5 : public QWidget {
    Q_OBJECT
public:
    explicit TForm5(QWidget* parent = nullptr);
};
