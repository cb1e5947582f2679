// The dialog of the utilization coefficient of vertical electrodes set in a row.
#pragma once

#include <QWidget>

class NumberText;
class QLabel;

class TForm2 : public QWidget {
    Q_OBJECT
public:
    // Writes its value into the main window's display label(s) given here.
    TForm2(QLabel* target, const NumberText& numbers, QWidget* parent = nullptr);
};
