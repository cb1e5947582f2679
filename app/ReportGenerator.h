// The handlers of "Отчёт", which runs the report under the progress window TForm10, and of
// "Экспорт отчёта в PDF…".
#pragma once

#include "design/Design.h"
#include "report/ReportSession.h"

#include <QObject>
#include <QString>
#include <QTimer>
#include <memory>
#include <utility>

class MessageSink;
class NumberText;
class TForm10;
class QWidget;
class SaveFileDialog;

class ReportGenerator : public QObject {
    Q_OBJECT
public:
    // owner: the main window, over which the progress window is centred. The program's
    // engines: Writer, then the note written as RTF and PDF into the user's documents folder.
    // The report of design: its design state as the stages left it, with its steel thicknesses.
    ReportGenerator(const Design& design, const NumberText& numbers, MessageSink& sink,
                    TForm10* progressWindow, QWidget* owner);
    ~ReportGenerator() override;

    // Replaces the system's file dialog of the export (tests).
    void setFileDialog(std::unique_ptr<SaveFileDialog> dialog);

    // The engines of the reports, held until the program ends (the word processor and the
    // reports in it then stay open).
    ReportSession& session() { return m_session; }
    // The template that Button5Click fills; beside the program unless set otherwise.
    void setTemplatePath(const QString& path) { m_templatePath = path; }
    // Fills the report of the design ahead of "Отчёт", off the user's path, once the design has
    // not changed for a moment, and again after each report (see fillReportAhead); the click then
    // shows the note filled ahead when nothing has changed since.
    void prepareAhead();

public slots:
    void Button5Click();
    // Asks for a PDF file, beginning in the documents folder (".pdf" is added to a name without
    // an extension), and writes the note of the design to it (the rows of "Отчёт") with the
    // program's own filling, whether or not Writer makes "Отчёт"; a file that cannot be written
    // gives the error box.
    void exportPdf();

private:
    const Design& m_design;
    const NumberText& m_numbers;
    MessageSink& m_sink;
    TForm10* m_progressWindow;
    QWidget* m_owner;
    QString m_templatePath;
    bool m_preparesAhead = false;
    QTimer m_aheadTimer;
    ReportSession m_session;
    std::unique_ptr<SaveFileDialog> m_fileDialog;
};
