// The dialog of the climatic coefficients for vertical and horizontal electrodes.
#pragma once

#include <QWidget>

class QLabel;

class TForm7 : public QWidget {
    Q_OBJECT
public:
    explicit TForm7(QWidget* parent = nullptr);
};
