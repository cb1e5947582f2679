// Looks at every character typed into an edit box before it is inserted and discards the ones
// the box does not take. Text pasted (by keyboard, the context menu or the middle button),
// dropped or composed by an input method goes through the same filter, character by character.
#pragma once

#include "base/InputCharacters.h"

#include <QClipboard>
#include <QHash>
#include <QObject>
#include <QPointer>
#include <QString>

class QAction;
class QContextMenuEvent;
class QDropEvent;
class QInputMethodEvent;
class QKeyEvent;
class QLineEdit;
class QWidget;

class KeyFilter : public QObject {
    Q_OBJECT
public:
    explicit KeyFilter(QObject* parent = nullptr);

    // The box takes the characters of `accepted` and Backspace. Enter moves the focus to
    // `enterFocus`, or is discarded when that is null. Every other character is discarded.
    void watch(QLineEdit* edit, const QString& accepted, QWidget* enterFocus = nullptr);

    // The characters of `text` that `accepted` lets through, in their order.
    static QString passing(const QString& text, const QString& accepted);

    // Whether `action` is the Paste of an edit box's standard context menu.
    static bool isPasteAction(const QAction* action);

    static inline const QString kDigits = kDigitCharacters;
    static inline const QString kDecimal = kDecimalCharacters;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Rule {
        QString accepted;
        QPointer<QWidget> enterFocus;
    };
    bool filterKey(const Rule& rule, QLineEdit* edit, const QKeyEvent* key);
    // Inserts what passes of the clipboard's text at the cursor, as a paste does.
    void paste(QLineEdit* edit, QClipboard::Mode mode);
    void showContextMenu(QLineEdit* edit, const QContextMenuEvent* event);
    bool filterDrop(const Rule& rule, QLineEdit* edit, QDropEvent* drop);
    bool filterInputMethod(const Rule& rule, QLineEdit* edit, const QInputMethodEvent* input);

    QHash<QObject*, Rule> m_rules;
    // Set while a filtered copy of an event is being delivered to its box.
    bool m_forwarding = false;
};
