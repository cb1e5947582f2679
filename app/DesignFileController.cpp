#include "app/DesignFileController.h"

#include "base/DocumentsFolder.h"
#include "base/Messages.h"
#include "design/Design.h"
#include "design/DesignFile.h"
#include "widgets/DesignFileDialogs.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QWidget>

namespace {
const QString kExtension = QStringLiteral(".korvela");
} // namespace

DesignFileController::DesignFileController(Design& design,
                                           std::function<void(int page)> recalculate,
                                           QWidget& mainWindow, const NumberText& numbers,
                                           MessageSink& sink)
    : m_design(design), m_recalculate(std::move(recalculate)), m_main(mainWindow),
      m_numbers(numbers), m_sink(sink), m_saved(design.inputs()) {
    m_main.installEventFilter(this);
    connect(&m_design, &Design::changed, this,
            [this] { setModified(!sameEdits(m_design.inputs(), m_saved)); });
}

DesignFileController::~DesignFileController() = default;

void DesignFileController::setDialogs(std::unique_ptr<DesignFileDialogs> dialogs) {
    m_dialogs = std::move(dialogs);
}

QString DesignFileController::startFolder() const {
    if (!m_lastFolder.isEmpty())
        return m_lastFolder;
    return documentsFolder();
}

bool DesignFileController::openFile(const QString& path) {
    DesignInputs design;
    if (!guarded(m_sink, [&] { design = DesignFile::read(path, m_numbers); }))
        return false;

    // Nothing of the design shown before stays in the calculation: the design takes up the
    // file on the site page, and the stages of the "Далее>>" presses that led to the saved page
    // run again, each going on to the next page when it succeeds.
    const int savedPage = design.wizard.page;
    design.wizard.page = 0;
    m_design.replace(std::move(design));
    if (m_recalculate)
        m_recalculate(savedPage);

    takeFile(path);
    return true;
}

void DesignFileController::openAsked() {
    if (!m_dialogs || !settleChanges())
        return;
    const QString path = m_dialogs->fileToOpen(&m_main, startFolder());
    if (!path.isEmpty())
        openFile(path);
}

bool DesignFileController::save() {
    if (m_file.isEmpty())
        return saveAs();
    return writeTo(m_file);
}

bool DesignFileController::saveAs() {
    if (!m_dialogs)
        return false;
    QString path = m_dialogs->fileToSave(&m_main, m_file.isEmpty() ? startFolder() : m_file);
    if (path.isEmpty())
        return false;
    if (QFileInfo(path).suffix().isEmpty())
        path += kExtension;
    return writeTo(path);
}

bool DesignFileController::settleChanges() {
    if (m_file.isEmpty() || !m_modified)
        return true;
    switch (m_sink.askToSave(QStringLiteral("Сохранить изменения в «%1»?").arg(shownName()))) {
    case MessageSink::SaveAnswer::Save:
        return save();
    case MessageSink::SaveAnswer::Discard:
        return true;
    case MessageSink::SaveAnswer::Cancel:
        break;
    }
    return false;
}

bool DesignFileController::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &m_main && event->type() == QEvent::Close && !settleChanges()) {
        event->ignore();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

bool DesignFileController::writeTo(const QString& path) {
    const DesignInputs design = m_design.inputs();
    if (!guarded(m_sink, [&] { DesignFile::write(path, design, m_numbers); }))
        return false;
    takeFile(path);
    return true;
}

void DesignFileController::takeFile(const QString& path) {
    const QFileInfo info(path);
    m_file = info.absoluteFilePath();
    m_lastFolder = info.absolutePath();
    // "[*]" in a file's own name is doubled, so that only the marker of changes is replaced.
    QString name = info.fileName();
    name.replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"));
    m_main.setWindowTitle(name + QStringLiteral("[*] — ") + kApplicationTitle);
    m_saved = m_design.inputs();
    setModified(false);
}

void DesignFileController::setModified(bool modified) {
    m_modified = modified;
    if (!m_file.isEmpty())
        m_main.setWindowModified(modified);
}

QString DesignFileController::shownName() const {
    QString name = QFileInfo(m_file).fileName();
    if (name.endsWith(kExtension, Qt::CaseInsensitive))
        name.chop(kExtension.size());
    return name;
}
