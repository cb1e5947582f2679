// The message sink that shows real message boxes.
#pragma once

#include "base/Messages.h"

class QWidget;

class BoxMessageSink : public MessageSink {
public:
    void showError(const QString& text) override;
    void showMessage(const QString& text) override;
    SaveAnswer askToSave(const QString& question) override;
};
