#include "widgets/KeyFilter.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>

KeyFilter::KeyFilter(QObject* parent) : QObject(parent) {}

void KeyFilter::watch(QLineEdit* edit, const QString& accepted, QWidget* enterFocus) {
    m_rules.insert(edit, Rule{accepted, enterFocus});
    edit->installEventFilter(this);
}

QString KeyFilter::passing(const QString& text, const QString& accepted) {
    QString kept;
    for (const QChar c : text) {
        if (accepted.contains(c))
            kept.append(c);
    }
    return kept;
}

bool KeyFilter::eventFilter(QObject* watched, QEvent* event) {
    if (m_forwarding)
        return false;
    const auto rule = m_rules.constFind(watched);
    if (rule == m_rules.constEnd())
        return false;
    // An editor being destroyed is no line edit any more (its events then come from ~QWidget).
    auto* edit = qobject_cast<QLineEdit*>(watched);
    if (!edit)
        return false;
    switch (event->type()) {
    case QEvent::KeyPress:
        return filterKey(*rule, edit, static_cast<QKeyEvent*>(event));
    case QEvent::ContextMenu:
        showContextMenu(edit, static_cast<QContextMenuEvent*>(event));
        return true;
    case QEvent::MouseButtonRelease: {
        // The middle button pastes the selection where the system has one.
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() != Qt::MiddleButton || edit->isReadOnly() ||
            !QGuiApplication::clipboard()->supportsSelection())
            return false;
        edit->deselect();
        paste(edit, QClipboard::Selection);
        return true;
    }
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        // Text of which nothing would pass is not taken at all.
        auto* drag = static_cast<QDragMoveEvent*>(event);
        const QMimeData* data = drag->mimeData();
        if (data && data->hasText() && passing(data->text(), rule->accepted).isEmpty()) {
            drag->ignore();
            return true;
        }
        return false;
    }
    case QEvent::Drop:
        return filterDrop(*rule, edit, static_cast<QDropEvent*>(event));
    case QEvent::InputMethod:
        return filterInputMethod(*rule, edit, static_cast<QInputMethodEvent*>(event));
    default:
        return false;
    }
}

bool KeyFilter::filterKey(const Rule& rule, QLineEdit* edit, const QKeyEvent* key) {
    const QString text = key->text();
    // A paste by a key without text (Shift+Insert); the paste shortcuts that arrive as control
    // characters are discarded below, like every control character.
    if (text.isEmpty() && key->matches(QKeySequence::Paste)) {
        paste(edit, QClipboard::Clipboard);
        return true;
    }
    // Keys that type nothing (arrows, Home, Delete) and focus keys pass untouched.
    if (text.isEmpty())
        return false;
    switch (key->key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Escape:
    case Qt::Key_Delete:
    case Qt::Key_Backspace:
        return false;
    default:
        break;
    }
    if (text == QStringLiteral("\b"))
        return false;
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter ||
        text == QStringLiteral("\r")) {
        if (rule.enterFocus)
            rule.enterFocus->setFocus(Qt::TabFocusReason);
        return true;
    }
    for (const QChar c : text) {
        if (!rule.accepted.contains(c))
            return true;
    }
    return false;
}

bool KeyFilter::isPasteAction(const QAction* action) {
    // The box names its menu's actions in newer toolkits; before, only the caption tells.
    return action->objectName() == QStringLiteral("edit-paste") ||
           action->text().startsWith(QLineEdit::tr("&Paste") + QLatin1Char('\t'));
}

void KeyFilter::paste(QLineEdit* edit, QClipboard::Mode mode) {
    const auto rule = m_rules.constFind(edit);
    if (rule == m_rules.constEnd() || edit->isReadOnly())
        return;
    const QString kept = passing(QGuiApplication::clipboard()->text(mode), rule->accepted);
    // Typing what the clipboard holds would insert nothing, and would leave a selection alone.
    if (!kept.isEmpty())
        edit->insert(kept);
}

// The box's own menu, whose Paste goes through the filter.
void KeyFilter::showContextMenu(QLineEdit* edit, const QContextMenuEvent* event) {
    QMenu* menu = edit->createStandardContextMenu();
    if (!menu)
        return;
    for (QAction* action : menu->actions()) {
        if (isPasteAction(action)) {
            disconnect(action, &QAction::triggered, edit, nullptr);
            connect(action, &QAction::triggered, edit,
                    [this, edit] { paste(edit, QClipboard::Clipboard); });
        }
    }
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}

// The box takes a drop of what passes, as if that had been dragged.
bool KeyFilter::filterDrop(const Rule& rule, QLineEdit* edit, QDropEvent* drop) {
    const QMimeData* data = drop->mimeData();
    if (!data || !data->hasText())
        return false;
    const QString kept = passing(data->text(), rule.accepted);
    if (kept == data->text())
        return false;
    if (kept.isEmpty()) {
        drop->ignore();
        return true;
    }
    QMimeData filtered;
    filtered.setText(kept);
    QDropEvent copy(drop->position(), drop->possibleActions(), &filtered, drop->buttons(),
                    drop->modifiers());
    copy.setDropAction(drop->dropAction());
    m_forwarding = true;
    QCoreApplication::sendEvent(edit, &copy);
    m_forwarding = false;
    drop->setDropAction(copy.dropAction());
    drop->setAccepted(copy.isAccepted());
    return true;
}

// A composed text is committed only with what passes; its preview stays as it was.
bool KeyFilter::filterInputMethod(const Rule& rule, QLineEdit* edit,
                                  const QInputMethodEvent* input) {
    const QString kept = passing(input->commitString(), rule.accepted);
    if (kept == input->commitString())
        return false;
    QInputMethodEvent copy(input->preeditString(), input->attributes());
    copy.setCommitString(kept, input->replacementStart(), input->replacementLength());
    m_forwarding = true;
    QCoreApplication::sendEvent(edit, &copy);
    m_forwarding = false;
    return true;
}
