// The dialog of the normalized spreading resistance by kind of earthing and voltage.
#pragma once

#include <QWidget>

class QLabel;

class TForm6 : public QWidget {
    Q_OBJECT
public:
    explicit TForm6(QWidget* parent = nullptr);
};
