// The note as two files where no word processor shows it: an RTF file to edit and a PDF to read,
// side by side in the documents folder, the PDF handed to the desktop's viewer.
#pragma once

#include "report/CursorReportEngine.h"
#include "report/DesktopOpener.h"
#include "report/EngineRecord.h"
#include "report/ReportEngine.h"
#include "report/RtfEngine.h"

#include <QByteArray>
#include <QString>
#include <memory>

class NoteFilesEngine : public ReportEngine {
public:
    using Opener = FileOpener;

    // outputDir: the folder where shown notes are written; opener opens a written PDF.
    NoteFilesEngine(QString outputDir, Opener opener);

    // The record of this engine, always available, named "RTF и PDF".
    static EngineRecord record(const QString& outputDir, Opener opener);

    void start() override;
    // Fills the template as the built-in RTF engine does.
    QStringList fill(const QString& templatePath, const std::vector<ReportRow>& rows,
                     ReportProgress& progress) override;
    // Writes the filled note (once per filling) to "Отчёт <date> <time>.rtf" and, under the same
    // name, ".pdf" in the output folder, neither of them there before, and opens the PDF. A file
    // that cannot be written is a NotWritten failure naming it, and then neither file is left:
    // an RTF already written is removed when its PDF fails, so that a report either gives both
    // files or none. A PDF that nothing opens is a NotShown failure naming both files, joined by
    // " и ". Needs a QGuiApplication (the PDF's fonts).
    void show() override;

    // The filled note's RTF; throws when no template was filled.
    const QByteArray& filledRtf() const;

private:
    NoteFilesEngine(std::unique_ptr<RtfEngine> rtf, QString outputDir, Opener opener);
    void writeFiles();

    RtfEngine* m_rtf; // filled through m_filling, which owns it, and never shown
    CursorReportEngine m_filling;
    QString m_outputDir;
    Opener m_opener;
    QString m_rtfFile; // the files of the note when shown; empty before
    QString m_pdfFile;
};
