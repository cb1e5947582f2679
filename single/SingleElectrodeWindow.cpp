// The single-electrode calculator window.
#include "single/SingleElectrodeWindow.h"

TForm11::TForm11(const NumberText& numbers, MessageSink& sink, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint),
      m_numbers(numbers), m_sink(sink) {
    setObjectName(QStringLiteral("TForm11"));
    setWindowTitle(QStringLiteral("Расчёт одиночного заземлителя"));
    setFixedSize(571, 277);
}
