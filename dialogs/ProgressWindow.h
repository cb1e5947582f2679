// The progress window shown while the report is made.
#pragma once

#include <QWidget>

class QProgressBar;

class TForm10 : public QWidget {
    Q_OBJECT
public:
    explicit TForm10(QWidget* parent = nullptr);

    QProgressBar* ProgressBar1;
};
