// The common frame of the reference dialogs.
#include "dialogs/ReferenceDialog.h"

#include "widgets/Windows.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QStyle>

namespace {
const QString kFamily = QStringLiteral("MS Sans Serif");
constexpr int kListHeight = 21;

// The green check mark of an OK button, drawn (no icon theme to search); the button greys it
// while it is disabled.
QIcon okGlyph() {
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0, 128, 0), 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPolyline(QPolygonF({QPointF(2.5, 8.5), QPointF(6.5, 12.5), QPointF(13.5, 3.5)}));
    painter.end();
    return QIcon(pixmap);
}
} // namespace

ReferenceDialog::ReferenceDialog(Design& design, const QString& name, const QString& title,
                                 QSize client, bool fixedSize, QPoint okAt, QWidget* parent)
    : QWidget(parent, dialogWithoutTitleButtons()), m_design(design), m_ok(new QPushButton(this)) {
    setObjectName(name);
    setWindowTitle(title);
    setFont(QFont(kFamily, 8));
    if (fixedSize)
        setFixedSize(client);
    else
        resize(client);
    // Moves over the dialog's own surface feed FormMouseMove; captions and lists keep theirs.
    setMouseTracking(true);

    m_ok->setObjectName(QStringLiteral("BitBtn1"));
    m_ok->setText(QStringLiteral("OK"));
    m_ok->setIcon(okGlyph());
    m_ok->setGeometry(okAt.x(), okAt.y(), 113, 25);
    m_ok->setDefault(true);
    m_ok->setEnabled(false);
    passMovesWhileDisabled(m_ok);
    connect(m_ok, &QPushButton::clicked, this, [this] { BitBtn1Click(); });
    connect(&m_design, &Design::changed, this, [this](Design::Parts parts) {
        if (parts & Design::Part::Dialogs)
            followDesign();
    });
}

void ReferenceDialog::editDesign(const std::function<void(DesignInputs&)>& change) {
    if (!m_showing)
        m_design.edit(change);
}

void ReferenceDialog::followDesign() {
    const QScopedValueRollback showing(m_showing, true);
    showDesign();
}

QFont ReferenceDialog::captionFont(int pointSize) {
    QFont font(kFamily, pointSize);
    font.setBold(true);
    return font;
}

QLabel* ReferenceDialog::addCaption(QWidget* parent, const char* name, const QString& text,
                                    QPoint at) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setFont(captionFont());
    label->move(at);
    label->adjustSize();
    return label;
}

QComboBox* ReferenceDialog::addList(QWidget* parent, const char* name, const QStringList& items,
                                    QPoint at, int width) {
    auto* box = new QComboBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    prepareEditableCombo(box);
    box->addItems(items);
    box->setCurrentIndex(-1);
    box->setGeometry(at.x(), at.y(), width, kListHeight);
    return box;
}

QLabel* ReferenceDialog::addHeading(const QString& text) {
    auto* label = new QLabel(text, this);
    label->setObjectName(QStringLiteral("Label1"));
    label->setFont(captionFont(12));
    label->setAlignment(Qt::AlignCenter);
    label->setGeometry(0, 8, width(), 25);
    return label;
}

void ReferenceDialog::mouseMoveEvent(QMouseEvent* event) {
    FormMouseMove();
    QWidget::mouseMoveEvent(event);
}

// OK is the default button: Enter presses it while it is enabled, wherever the focus is.
void ReferenceDialog::keyPressEvent(QKeyEvent* event) {
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        if (m_ok->isEnabled())
            m_ok->click();
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

// Only OK leaves the dialog; a close asked for by the window system is refused.
void ReferenceDialog::closeEvent(QCloseEvent* event) {
    if (event->spontaneous())
        event->ignore();
    else
        QWidget::closeEvent(event);
}
