// Looks at every character typed into an edit box before it is inserted and discards the ones
// the box does not take.
#pragma once

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QString>

class QLineEdit;
class QWidget;

class KeyFilter : public QObject {
    Q_OBJECT
public:
    explicit KeyFilter(QObject* parent = nullptr);

    // The box takes the characters of `accepted` and Backspace. Enter moves the focus to
    // `enterFocus`, or is discarded when that is null. Every other character is discarded.
    void watch(QLineEdit* edit, const QString& accepted, QWidget* enterFocus = nullptr);

    static inline const QString kDigits = QStringLiteral("0123456789");
    static inline const QString kDecimal = QStringLiteral("0123456789,.");

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Rule {
        QString accepted;
        QPointer<QWidget> enterFocus;
    };
    QHash<QObject*, Rule> m_rules;
};
