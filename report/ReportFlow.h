// The making of the report behind "Отчёт": the template filled by the session's engine; and its
// export as a PDF file ("Экспорт отчёта в PDF…").
#pragma once

#include "base/Messages.h"
#include "base/NumberText.h"
#include "calc/BillOfMaterials.h"
#include "design/DesignState.h"
#include "design/ProjectData.h"
#include "report/ReportProgress.h"

#include <QString>

class ReportSession;

inline const QString kEngineFailedMessage =
    QStringLiteral("Не удалось запустить текстовый процессор для отчёта");
inline const QString kTemplateFailedMessage = QStringLiteral("Не удалось открыть шаблон отчёта: ");
inline const QString kShowFailedMessage = QStringLiteral("Не удалось показать отчёт");
inline const QString kKeysMissingMessage = QStringLiteral("В шаблоне отчёта не найдены метки: ");
// The built-in engine and the export: a report that could not be written (+ the file and the
// system's reason), and one that was written but that no application opened (+ its files; a
// plain message).
inline const QString kNotWrittenMessage = QStringLiteral("Не удалось записать отчёт: ");
inline const QString kSavedMessage = QStringLiteral("Отчёт сохранён: ");

// The template beside the program, <program folder>/отчёт/otchet.rtf; for an installed program
// whose folder has none, <prefix>/share/korvela/отчёт/otchet.rtf.
QString reportTemplatePath(const QString& programDir);

// Fills the template at templatePath with the design's rows through the session's engine and
// shows it; the note's scheme and bill of materials take the steel thicknesses given (the
// scheme is drawn here: needs a QGuiApplication). Throws UserError (after closing the progress)
// when no engine starts, the template does not open or the filled document cannot be written or
// shown. A document written to file that no application opens is named in a plain message.
// The note names the project and ends with its signature lines where project is not empty.
// Placeholders that the engine did not put in place are named in one plain message once the report
// is shown.
void makeReport(ReportSession& session, const DesignState& state, const NumberText& numbers,
                const QString& templatePath, ReportProgress& progress, MessageSink& sink,
                const SteelThickness& thickness = {}, const ProjectData& project = {});

// Makes makeReport's fill of the same arguments ahead of it, where the session's engine fills
// ahead (see ReportSession::fillAhead); its rows are made on the fill's own thread, of copies of
// the arguments. Returns at once.
void fillReportAhead(ReportSession& session, const DesignState& state, const NumberText& numbers,
                     const QString& templatePath, const SteelThickness& thickness = {},
                     const ProjectData& project = {});

// Fills the template at templatePath with the same rows as makeReport, as the program itself
// fills it (whatever engine "Отчёт" uses), and writes the note as a PDF to fileName, replacing a
// file there only once the new one is complete. Throws UserError when the template does not open
// or the PDF cannot be written (the file and the reason); placeholders that were not put in place
// are named in one plain message once the PDF is written. Needs a QGuiApplication.
void exportReportPdf(const DesignState& state, const NumberText& numbers,
                     const QString& templatePath, const QString& fileName, MessageSink& sink,
                     const SteelThickness& thickness = {}, const ProjectData& project = {});
