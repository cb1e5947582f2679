#include "base/Messages.h"

MessageSink::SaveAnswer MessageSink::askToSave(const QString&) {
    return SaveAnswer::Cancel;
}

QString errorBoxText(const QString& message) {
    if (!message.isEmpty() && message.back() > QLatin1Char('.'))
        return message + QLatin1Char('.');
    return message;
}
