// The single-electrode calculator window.
#pragma once

#include <QWidget>

class MessageSink;
class NumberText;

class TForm11 : public QWidget {
    Q_OBJECT
public:
    TForm11(const NumberText& numbers, MessageSink& sink, QWidget* parent = nullptr);

private:
    const NumberText& m_numbers;
    MessageSink& m_sink;
};
