// The dialog of the climatic coefficients for vertical and horizontal electrodes.
#pragma once

#include <QWidget>

class NumberText;
class QLabel;

class TForm7 : public QWidget {
    Q_OBJECT
public:
    // Writes its value into the main window's display label(s) given here.
    TForm7(QLabel* vertical, QLabel* horizontal, const NumberText& numbers, QWidget* parent = nullptr);
};
