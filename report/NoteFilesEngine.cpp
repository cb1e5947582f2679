// The note written as RTF and PDF side by side, the PDF opened.
#include "report/NoteFilesEngine.h"

#include "base/SmallFile.h"
#include "report/NotePdf.h"
#include "report/ReportFileName.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <utility>

NoteFilesEngine::NoteFilesEngine(QString outputDir, Opener opener)
    : NoteFilesEngine(std::make_unique<RtfEngine>(), std::move(outputDir), std::move(opener)) {}

NoteFilesEngine::NoteFilesEngine(std::unique_ptr<RtfEngine> rtf, QString outputDir, Opener opener)
    : m_rtf(rtf.get()), m_filling(std::move(rtf)), m_outputDir(std::move(outputDir)),
      m_opener(std::move(opener)) {}

EngineRecord NoteFilesEngine::record(const QString& outputDir, Opener opener) {
    return {QStringLiteral("RTF и PDF"), nullptr,
            [outputDir, opener] { return std::make_unique<NoteFilesEngine>(outputDir, opener); },
            false};
}

void NoteFilesEngine::start() {
    m_filling.start();
    m_rtfFile.clear();
    m_pdfFile.clear();
}

QStringList NoteFilesEngine::fill(const QString& templatePath, const std::vector<ReportRow>& rows,
                                  ReportProgress& progress) {
    m_rtfFile.clear();
    m_pdfFile.clear();
    return m_filling.fill(templatePath, rows, progress);
}

void NoteFilesEngine::show() {
    if (m_pdfFile.isEmpty())
        writeFiles();
    if (!m_opener || !m_opener(m_pdfFile))
        throw EngineFailure(EngineFailure::Kind::NotShown,
                            QStringLiteral("no application opens the written report"),
                            m_rtfFile + QStringLiteral(" и ") + m_pdfFile);
}

const QByteArray& NoteFilesEngine::filledRtf() const {
    return m_rtf->document().bytes();
}

void NoteFilesEngine::writeFiles() {
    const QByteArray& rtf = filledRtf();
    // Laid out before anything is written: a note that cannot be read leaves no file.
    const NotePdf pdf(rtf);

    QDir dir(m_outputDir);
    // A folder that cannot be made shows in the file's own failure below, with its reason.
    dir.mkpath(QStringLiteral("."));
    const auto path = [&dir](const QString& name) {
        return QDir::cleanPath(dir.absoluteFilePath(name));
    };
    const QString name = freeReportStem(dir, QStringLiteral(".rtf"), [&path](const QString& stem) {
        return QFileInfo::exists(path(stem + QStringLiteral(".rtf"))) ||
               QFileInfo::exists(path(stem + QStringLiteral(".pdf")));
    });
    const QString rtfFile = path(name + QStringLiteral(".rtf"));
    const QString pdfFile = path(name + QStringLiteral(".pdf"));

    if (const QString reason = SmallFile::write(rtfFile, rtf); !reason.isEmpty())
        throw EngineFailure(EngineFailure::Kind::NotWritten, reason, rtfFile);
    try {
        pdf.save(pdfFile);
    } catch (...) {
        // The RTF alone would be half the report: it goes, and the failure names the PDF.
        QFile::remove(rtfFile);
        throw;
    }
    m_rtfFile = rtfFile;
    m_pdfFile = pdfFile;
}
