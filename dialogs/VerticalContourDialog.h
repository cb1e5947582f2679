// The dialog of the utilization coefficient of vertical electrodes along a contour.
#pragma once

#include <QWidget>

class NumberText;
class QLabel;

class TForm4 : public QWidget {
    Q_OBJECT
public:
    // Writes its value into the main window's display label(s) given here.
    TForm4(QLabel* target, const NumberText& numbers, QWidget* parent = nullptr);
};
