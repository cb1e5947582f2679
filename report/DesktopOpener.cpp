#include "report/DesktopOpener.h"

#include <QObject>
#include <QProcess>

bool openWithProgram(const QString& program, const QString& fileName, int waitMs) {
    auto* process = new QProcess;
    process->setProcessChannelMode(QProcess::ForwardedChannels);
    process->setStandardInputFile(QProcess::nullDevice());
    process->start(program, {fileName});
    if (!process->waitForStarted(waitMs)) {
        delete process;
        return false;
    }
    if (!process->waitForFinished(waitMs)) {
        // Still in the viewer's foreground: the file is shown. The process object goes when the
        // opener ends, and never kills it.
        QObject::connect(process, &QProcess::finished, process, &QObject::deleteLater);
        return true;
    }
    const bool opened = process->exitStatus() == QProcess::NormalExit && process->exitCode() == 0;
    delete process;
    return opened;
}

FileOpener desktopOpener(const QString& program) {
    return [program](const QString& fileName) { return openWithProgram(program, fileName); };
}
