// Keeps the second press of a double click from landing on a button of the page that the first
// click opened: one press, one step.
#pragma once

#include <QObject>
#include <optional>

class QTabWidget;

class PageChangeGuard : public QObject {
    Q_OBJECT
public:
    // Watches the buttons on the pages of `pages` and its tab header; owned by `pages`.
    explicit PageChangeGuard(QTabWidget* pages);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QTabWidget* m_pages;
    // Time stamp of the last press or release on a watched control: the event that changes the
    // page is the one being handled when the page changes.
    std::optional<quint64> m_lastPressOrRelease;
    std::optional<quint64> m_pageChangedAt;
};
