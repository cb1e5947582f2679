// The dialog of the normalized spreading resistance by kind of earthing and voltage.
#pragma once

#include <QWidget>

class NumberText;
class QLabel;

class TForm6 : public QWidget {
    Q_OBJECT
public:
    // Writes its value into the main window's display label(s) given here.
    TForm6(QLabel* target, const NumberText& numbers, QWidget* parent = nullptr);
};
