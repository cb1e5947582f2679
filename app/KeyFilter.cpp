#include "app/KeyFilter.h"

#include <QKeyEvent>
#include <QLineEdit>

KeyFilter::KeyFilter(QObject* parent) : QObject(parent) {}

void KeyFilter::watch(QLineEdit* edit, const QString& accepted, QWidget* enterFocus) {
    m_rules.insert(edit, Rule{accepted, enterFocus});
    edit->installEventFilter(this);
}

bool KeyFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto rule = m_rules.constFind(watched);
    if (rule == m_rules.constEnd())
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    const QString text = key->text();
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
        if (rule->enterFocus)
            rule->enterFocus->setFocus(Qt::TabFocusReason);
        return true;
    }
    for (const QChar c : text) {
        if (!rule->accepted.contains(c))
            return true;
    }
    return false;
}
