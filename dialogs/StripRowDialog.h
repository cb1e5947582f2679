// The dialog of the utilization coefficient of the connecting strip, electrodes in a row.
#pragma once

#include <QWidget>

class NumberText;
class QLabel;

class TForm3 : public QWidget {
    Q_OBJECT
public:
    // Writes its value into the main window's display label(s) given here.
    TForm3(QLabel* target, const NumberText& numbers, QWidget* parent = nullptr);
};
