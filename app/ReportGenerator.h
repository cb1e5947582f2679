// The handler of "Отчёт": runs the report under the progress window TForm10.
#pragma once

#include "design/DesignState.h"

#include <QObject>
#include <QString>

class MessageSink;
class NumberText;
class TForm10;
class QWidget;

class ReportGenerator : public QObject {
    Q_OBJECT
public:
    // owner: the main window, over which the progress window is centred.
    ReportGenerator(const DesignState& state, const NumberText& numbers, MessageSink& sink,
                    TForm10* progressWindow, QWidget* owner);
    // The program ends: the word processor reference is released (the word processor and the
    // report in it stay open).
    ~ReportGenerator() override;

    // The template that Button5Click fills; beside the program unless set otherwise.
    const QString& templatePath() const { return m_templatePath; }
    void setTemplatePath(const QString& path) { m_templatePath = path; }

public slots:
    void Button5Click();

private:
    const DesignState& m_state;
    const NumberText& m_numbers;
    MessageSink& m_sink;
    TForm10* m_progressWindow;
    QWidget* m_owner;
    QString m_templatePath;
};
