// A message sink that records what would have been shown.
#pragma once

#include "base/Messages.h"

#include <QString>
#include <QStringList>

class RecordingSink : public MessageSink {
public:
    void showError(const QString& text) override { errors << text; }
    void showMessage(const QString& text) override { messages << text; }
    // Records the question and gives the answer set beforehand.
    SaveAnswer askToSave(const QString& question) override {
        questions << question;
        return answer;
    }
    void clear() {
        errors.clear();
        messages.clear();
        questions.clear();
        answer = SaveAnswer::Cancel;
    }

    QStringList errors;
    QStringList messages;
    QStringList questions;
    SaveAnswer answer = SaveAnswer::Cancel;
};
