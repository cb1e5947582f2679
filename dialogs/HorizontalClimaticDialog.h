// The dialog of the climatic coefficient for horizontal electrodes alone.
#pragma once

#include <QWidget>

class NumberText;
class QLabel;

class TForm8 : public QWidget {
    Q_OBJECT
public:
    // Writes its value into the main window's display label(s) given here.
    TForm8(QLabel* target, const NumberText& numbers, QWidget* parent = nullptr);
};
