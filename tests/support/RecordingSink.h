// A message sink that records what would have been shown.
#pragma once

#include "app/Messages.h"

#include <QString>
#include <QStringList>

class RecordingSink : public MessageSink {
public:
    void showError(const QString& text) override { errors << text; }
    void showMessage(const QString& text) override { messages << text; }
    void clear() {
        errors.clear();
        messages.clear();
    }

    QStringList errors;
    QStringList messages;
};
