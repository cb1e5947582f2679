// How the program speaks to the user: the error box and the plain message, through one sink.
#pragma once

#include "base/Errors.h"
#include "base/ProgramFacts.h"

#include <QString>
#include <optional>
#include <utility>

inline const QString kApplicationTitle = QStringLiteral("Корвела v") + kProgramVersion;

class MessageSink {
public:
    virtual ~MessageSink() = default;
    // An error box with the stop icon; text is shown as given.
    virtual void showError(const QString& text) = 0;
    // A plain message without icon and with one "OK" button; returns once it is closed.
    virtual void showMessage(const QString& text) = 0;

    // The answers to a question whether to save changes before they would be lost.
    enum class SaveAnswer { Save, Discard, Cancel };
    // A question with the buttons "Сохранить", "Не сохранять" and "Отмена"; closing the box
    // without a button is "Отмена". A sink that asks nobody answers "Отмена", so that nothing is
    // lost.
    virtual SaveAnswer askToSave(const QString& question);
};

// The text of the error box for an error's message: a full stop is appended when the last
// character sorts after ".".
QString errorBoxText(const QString& message);

// Runs an event handler. A conversion error or an arithmetic fault ends it where it happens;
// whatever it stored before stays stored, and the error box is shown once it has been left.
// Returns whether the handler ran to its end.
template <class Handler> bool guarded(MessageSink& sink, Handler&& handler) {
    std::optional<QString> failure;
    try {
        std::forward<Handler>(handler)();
    } catch (const UserError& e) {
        failure = e.message();
    }
    if (failure)
        sink.showError(errorBoxText(*failure));
    return !failure;
}
