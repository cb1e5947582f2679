// The dialog of the utilization coefficient of the connecting strip, electrodes along a contour.
#pragma once

#include <QWidget>

class NumberText;
class QLabel;

class TForm5 : public QWidget {
    Q_OBJECT
public:
    // Writes its value into the main window's display label(s) given here.
    TForm5(QLabel* target, const NumberText& numbers, QWidget* parent = nullptr);
};
