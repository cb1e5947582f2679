// The dialog of the climatic coefficient for horizontal electrodes alone.
#pragma once

#include <QWidget>

class QLabel;

class TForm8 : public QWidget {
    Q_OBJECT
public:
    explicit TForm8(QWidget* parent = nullptr);
};
