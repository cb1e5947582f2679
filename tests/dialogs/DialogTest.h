// What the dialog tests share: picking, typing and pointer moves to given points.
#pragma once

#include "design/Design.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPoint>
#include <QTest>
#include <QWidget>

namespace dialogtest {

// Points of the dialogs' own surfaces, clear of every control.
inline const QPoint kTwoListFreeSurface(100, 135);  // TForm2 to TForm6, between captions and OK
inline const QPoint kClimaticFreeSurface(200, 320); // TForm7, under the electrode type
inline const QPoint kPanelFreeSurface(60, 16);      // Panel1, between the first two zone buttons

// Picks the list item with exactly this text, as a choice from the drop-down list does.
inline void pick(QComboBox* box, const QString& item) {
    const int position = box->findText(item, Qt::MatchExactly | Qt::MatchCaseSensitive);
    QVERIFY2(position >= 0, qPrintable(item));
    box->setCurrentIndex(position);
}

// Replaces the text of an editable box by typed characters (Latin-1 only).
inline void type(QComboBox* box, const QString& text) {
    box->lineEdit()->clear();
    QTest::keyClicks(box->lineEdit(), text);
}

// Moves the pointer to `at` in w's coordinates, a pixel aside each time so that every move
// is delivered.
inline void moveTo(QWidget* w, QPoint at) {
    static int step = 0;
    step = (step + 1) % 4;
    QTest::mouseMove(w, at + QPoint(step, step % 2));
}

// Whether every item of the box is seen whole beside the drop-down arrow.
inline bool itemsFit(const QComboBox* box) {
    for (int i = 0; i < box->count(); ++i) {
        if (box->fontMetrics().horizontalAdvance(box->itemText(i)) > box->width() - 24)
            return false;
    }
    return true;
}

// A display label of the main window, as the design holds it: what a dialog hands over.
class ShownLabel {
public:
    ShownLabel(Design& design, QString WizardState::*label) : m_design(design), m_label(label) {}
    void show(QString WizardState::*label) { m_label = label; }
    QString text() const { return m_design.inputs().wizard.*m_label; }
    void setText(const QString& text) {
        m_design.edit([&](DesignInputs& d) { d.wizard.*m_label = text; });
    }
    void clear() { setText({}); }

private:
    Design& m_design;
    QString WizardState::*m_label;
};

inline void showAndWait(QWidget* w) {
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w));
}

} // namespace dialogtest
