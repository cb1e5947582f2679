#include "widgets/Windows.h"

#include <QEvent>
#include <QFont>
#include <QObject>
#include <QScreen>

void substituteFormFont() {
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
}

int pickedPosition(const QComboBox* box) {
    return box->findText(box->currentText(), Qt::MatchExactly | Qt::MatchCaseSensitive);
}

void showText(QComboBox* box, const QString& text) {
    box->setCurrentIndex(box->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive));
    box->setEditText(text);
}

void prepareEditableCombo(QComboBox* box) {
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setCompleter(nullptr);
}

namespace {
// Moves the window, frame included, so that its centre is at `centre`.
void centreAt(QWidget* window, QPoint centre) {
    QRect frame = window->frameGeometry();
    frame.moveCenter(centre);
    window->move(frame.topLeft());
}
} // namespace

void showCentred(QWidget* window) {
    if (const QScreen* screen = window->screen())
        centreAt(window, screen->availableGeometry().center());
    window->show();
}

void showOver(QWidget* window, const QWidget* owner) {
    if (owner)
        centreAt(window, owner->frameGeometry().center());
    window->show();
    window->raise();
    window->activateWindow();
}

Qt::WindowFlags dialogWithoutTitleButtons() {
    return Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
}

namespace {
// Keeps WA_TransparentForMouseEvents in step with the button's enabled state.
class MovePassThrough : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::EnabledChange) {
            auto* w = static_cast<QWidget*>(watched);
            w->setAttribute(Qt::WA_TransparentForMouseEvents, !w->isEnabled());
        }
        return false;
    }
};
} // namespace

void passMovesWhileDisabled(QWidget* button) {
    button->setAttribute(Qt::WA_TransparentForMouseEvents, !button->isEnabled());
    button->installEventFilter(new MovePassThrough(button));
}
