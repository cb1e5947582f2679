// What every reference dialog shares: the frame without title-bar buttons, the base font, the OK
// button that is the only way out, and the parts the dialogs are built from.
#pragma once

#include "design/Design.h"

#include <QFont>
#include <QPoint>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <functional>

class QComboBox;
class QLabel;
class QPushButton;

class ReferenceDialog : public QWidget {
    Q_OBJECT
public:
    // design: what the dialog remembers and where it hands its value over; client: the size of
    // the client area; fixedSize: whether the border is fixed; okAt: the place of BitBtn1.
    ReferenceDialog(Design& design, const QString& name, const QString& title, QSize client,
                    bool fixedSize, QPoint okAt, QWidget* parent);

    // The pointer moved over the dialog's own surface (not over one of its controls).
    virtual void FormMouseMove() {}
    // OK: hands the value to the main window and hides the dialog.
    virtual void BitBtn1Click() = 0;

    // The font of a dialog caption: bold, 10 pt (13 pixels) or 12 pt (16 pixels) for a heading.
    static QFont captionFont(int pointSize = 10);
    // A bold caption with its top left corner at `at`, as wide as its text.
    static QLabel* addCaption(QWidget* parent, const char* name, const QString& text, QPoint at);
    // An editable drop-down box without a picked item.
    // The items of a list, from a table of the core.
    static QComboBox* addList(QWidget* parent, const char* name, const QStringList& items,
                              QPoint at, int width);

protected:
    // The dialog's heading across the whole width at the top.
    QLabel* addHeading(const QString& text);

    // What the engineer picks goes into the design; nothing while the dialog is being set to what
    // the design holds.
    void editDesign(const std::function<void(DesignInputs&)>& change);
    // Sets the controls to what the design holds for the dialog; OK only ever becomes enabled.
    virtual void showDesign() = 0;
    // Runs showDesign, with the controls' own edits held back meanwhile.
    void followDesign();

    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

    Design& m_design;
    QPushButton* m_ok;

private:
    bool m_showing = false;
};
