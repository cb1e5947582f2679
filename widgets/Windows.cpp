#include "widgets/Windows.h"

#include <QEvent>
#include <QFont>
#include <QFontMetrics>
#include <QLabel>
#include <QObject>
#include <QPalette>
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

void showAsWarning(QWidget* w, bool warning) {
    // A palette that sets nothing gives the widget back the colours of its parent.
    QPalette palette;
    if (warning) {
        palette = w->palette();
        palette.setColor(QPalette::WindowText, QColor(0xc0, 0x00, 0x00));
    }
    w->setPalette(palette);
}

void fitTextToLabel(QLabel* label, QFont font, int smallest) {
    const QRect room = label->contentsRect();
    const int flags = static_cast<int>(label->alignment()) | Qt::TextWordWrap;
    const auto fits = [&](const QFont& f) {
        const QRect needed = QFontMetrics(f).boundingRect(
            QRect(0, 0, room.width(), QWIDGETSIZE_MAX), flags, label->text());
        return needed.width() <= room.width() && needed.height() <= room.height();
    };
    const bool bold = font.bold();
    for (int size = font.pointSize(); size >= smallest; --size) {
        font.setPointSize(size);
        font.setBold(bold);
        if (fits(font))
            break;
        font.setBold(false);
        if (bold && fits(font))
            break;
    }
    label->setFont(font);
}
