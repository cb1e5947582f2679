#include "app/DisplayCheck.h"

#include <QByteArray>
#include <QList>
#include <QMessageLogContext>
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace display {

namespace {

bool needsDisplay(const QByteArray& platform) {
    return platform.isEmpty() || platform.contains("xcb") || platform.contains("wayland");
}

// The messages held back while the application object is made.
struct HeldMessage {
    QtMsgType type;
    QByteArray category, file, function;
    int line;
    QString text;
};
QtMessageHandler previousHandler = nullptr;
QList<HeldMessage>* heldMessages = nullptr;

void holdMessage(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtFatalMsg &&
        text.contains(QLatin1String("no Qt platform plugin could be initialized"))) {
        std::fputs(kNoDisplayLine, stderr);
        std::fflush(stderr);
        std::_Exit(1);
    }
    if (type == QtFatalMsg) {
        previousHandler(type, context, text);
        return;
    }
    heldMessages->append(
        {type, context.category, context.file, context.function, context.line, text});
}

} // namespace

bool named(int argc, char** argv) {
    QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0)
            platform = argv[i + 1];
    }
    if (!needsDisplay(platform))
        return true;
    return !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

UnreachableDisplayGuard::UnreachableDisplayGuard() {
    heldMessages = new QList<HeldMessage>;
    previousHandler = qInstallMessageHandler(holdMessage);
}

UnreachableDisplayGuard::~UnreachableDisplayGuard() {
    qInstallMessageHandler(previousHandler);
    const QList<HeldMessage> held = std::move(*heldMessages);
    delete heldMessages;
    heldMessages = nullptr;
    for (const HeldMessage& m : held) {
        const QMessageLogContext context(m.file.constData(), m.line, m.function.constData(),
                                         m.category.constData());
        qt_message_output(m.type, context, m.text);
    }
}

} // namespace display
