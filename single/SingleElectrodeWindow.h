// The single-electrode calculator window: one earth electrode of a chosen shape.
#pragma once

#include <QWidget>
#include <memory>

class KeyFilter;
class MessageSink;
class NumberText;
class QLabel;
struct SingleElectrodeTexts;

namespace Ui {
class TForm11;
}

class TForm11 : public QWidget {
    Q_OBJECT
public:
    TForm11(const NumberText& numbers, MessageSink& sink, QWidget* parent = nullptr);
    ~TForm11() override;

    // The shape last taken over from the list, 1 to 13; 0 until one has been.
    int ShapeNumber() const { return m_shapeNumber; }

    // Runs whenever the list of shapes closes, whether or not another shape was chosen.
    void ComboBox1CloseUp();
    // The refresh: runs whenever the pointer moves over the window's own background.
    void FormMouseMove();
    // "Рассчитать".
    void Button1Click();

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void takeShapeOver();
    bool applyShape();
    bool showPicture(const QString& relativePath);
    SingleElectrodeTexts texts() const;

    std::unique_ptr<Ui::TForm11> m_ui;
    const NumberText& m_numbers;
    MessageSink& m_sink;
    KeyFilter* m_keys;
    QWidget* m_listPopup;
    int m_shapeNumber = 0;
    // The shape whose unreadable picture has been reported; the refresh does not report it
    // again until another shape is taken over or the list closes again.
    int m_pictureReportedFor = 0;
};
