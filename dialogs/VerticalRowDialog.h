// The dialog of the utilization coefficient of vertical electrodes set in a row.
#pragma once

#include <QWidget>

class QLabel;

class TForm2 : public QWidget {
    Q_OBJECT
public:
    explicit TForm2(QWidget* parent = nullptr);
};
