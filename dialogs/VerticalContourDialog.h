// The dialog of the utilization coefficient of vertical electrodes along a contour.
#pragma once

#include <QWidget>

class QLabel;

class TForm4 : public QWidget {
    Q_OBJECT
public:
    explicit TForm4(QWidget* parent = nullptr);
};
