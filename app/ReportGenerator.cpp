#include "app/ReportGenerator.h"
#include "report/DesktopOpener.h"

#include "base/DocumentsFolder.h"
#include "base/Messages.h"
#include "dialogs/ProgressWindow.h"
#include "report/EngineChoice.h"
#include "report/ReportFlow.h"
#include "report/ReportProgress.h"
#include "widgets/SystemSaveFileDialog.h"
#include "widgets/Windows.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QProgressBar>
#include <QStandardPaths>
#include <QUrl>
#include <algorithm>
#include <utility>

namespace {

// The report's progress on TForm10's bar, painted at once: the report holds the GUI thread.
class WindowProgress : public ReportProgress {
public:
    WindowProgress(TForm10* window, QWidget* owner) : m_window(window), m_owner(owner) {}

    void open() override {
        m_window->ProgressBar1->setValue(0);
        showOver(m_window, m_owner);
        settle();
    }
    void advance(int step) override {
        QProgressBar* bar = m_window->ProgressBar1;
        const int value = std::min(bar->value() + step, bar->maximum());
        if (value == bar->value())
            return; // a full bar: nothing new to paint
        bar->setValue(value);
        bar->repaint();
        settle();
    }
    void close() override { m_window->close(); }

private:
    // Lets the window system show what was painted; clicks wait until the report is done.
    static void settle() { QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents); }

    TForm10* m_window;
    QWidget* m_owner;
};

} // namespace

ReportGenerator::ReportGenerator(const Design& design, const NumberText& numbers, MessageSink& sink,
                                 TForm10* progressWindow, QWidget* owner)
    : QObject(owner), m_design(design), m_numbers(numbers), m_sink(sink),
      m_progressWindow(progressWindow), m_owner(owner),
      m_templatePath(reportTemplatePath(QCoreApplication::applicationDirPath())),
      m_session(standardEngines(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation),
                                desktopOpener())),
      m_fileDialog(std::make_unique<SystemSaveFileDialog>()) {
    setObjectName(QStringLiteral("ReportGenerator"));
    // Once the design has rested: a name typed into the project data is one fill, not one a key.
    m_aheadTimer.setSingleShot(true);
    m_aheadTimer.setInterval(300);
    connect(&m_aheadTimer, &QTimer::timeout, this, [this] {
        fillReportAhead(m_session, m_design.state(), m_numbers, m_templatePath,
                        m_design.inputs().scheme, m_design.inputs().project);
    });
}

ReportGenerator::~ReportGenerator() = default;

void ReportGenerator::setFileDialog(std::unique_ptr<SaveFileDialog> dialog) {
    m_fileDialog = std::move(dialog);
}

void ReportGenerator::Button5Click() {
    WindowProgress progress(m_progressWindow, m_owner);
    guarded(m_sink, [&] {
        makeReport(m_session, m_design.state(), m_numbers, m_templatePath, progress, m_sink,
                   m_design.inputs().scheme, m_design.inputs().project);
    });
    if (m_preparesAhead)
        m_aheadTimer.start();
}

void ReportGenerator::prepareAhead() {
    m_preparesAhead = true;
    m_aheadTimer.start();
}

void ReportGenerator::exportPdf() {
    const SaveQuestion question{QStringLiteral("Экспорт отчёта в PDF"),
                                {{QStringLiteral("Документ PDF (*.pdf)"), QStringLiteral("pdf")}}};
    QString path = m_fileDialog->fileToSave(m_owner, documentsFolder(), question).path;
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".pdf");
    guarded(m_sink, [&] {
        exportReportPdf(m_design.state(), m_numbers, m_templatePath, path, m_sink,
                        m_design.inputs().scheme, m_design.inputs().project);
    });
}
