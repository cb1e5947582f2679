// The dialog of the utilization coefficient of the connecting strip, electrodes in a row.
#pragma once

#include <QWidget>

class QLabel;

class TForm3 : public QWidget {
    Q_OBJECT
public:
    explicit TForm3(QWidget* parent = nullptr);
};
