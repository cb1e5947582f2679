// The progress window shown while the report is made.
#include "dialogs/ProgressWindow.h"

#include <QProgressBar>

TForm10::TForm10(QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint),
      ProgressBar1(new QProgressBar(this)) {
    setObjectName(QStringLiteral("TForm10"));
    setWindowTitle(QStringLiteral("Генерация отчёта"));
    setFixedSize(299, 67);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setGeometry(21, 19, 252, 22);
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setValue(0);
    ProgressBar1->setTextVisible(false);
}
