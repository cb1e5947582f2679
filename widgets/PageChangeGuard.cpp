#include "widgets/PageChangeGuard.h"

#include <QAbstractButton>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QStyleHints>
#include <QTabBar>
#include <QTabWidget>

PageChangeGuard::PageChangeGuard(QTabWidget* pages) : QObject(pages), m_pages(pages) {
    for (QAbstractButton* button : pages->findChildren<QAbstractButton*>())
        button->installEventFilter(this);
    pages->tabBar()->installEventFilter(this);
    connect(pages, &QTabWidget::currentChanged, this,
            [this] { m_pageChangedAt = m_lastPressOrRelease; });
}

bool PageChangeGuard::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonDblClick &&
        type != QEvent::MouseButtonRelease)
        return false;
    // Time stamps count milliseconds on the clock of the window system's input events.
    const quint64 at = static_cast<QMouseEvent*>(event)->timestamp();
    if (type != QEvent::MouseButtonRelease && m_pageChangedAt && at >= *m_pageChangedAt &&
        at - *m_pageChangedAt <
            quint64(QGuiApplication::styleHints()->mouseDoubleClickInterval()) &&
        qobject_cast<QAbstractButton*>(watched))
        return true;
    if (type != QEvent::MouseButtonDblClick)
        m_lastPressOrRelease = at;
    return false;
}
