// The single-electrode calculator window: one earth electrode of a chosen shape.
#include "single/SingleElectrodeWindow.h"

#include "base/Messages.h"
#include "base/NumberText.h"
#include "base/PictureSearch.h"
#include "calc/ElectrodeShapes.h"
#include "calc/SingleElectrodeCalculation.h"
#include "single/JpegPicture.h"
#include "single/PictureError.h"
#include "ui_SingleElectrodeWindow.h"
#include "widgets/KeyFilter.h"
#include "widgets/Windows.h"

#include <QAbstractItemView>
#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QPixmap>

namespace {
// Labels size themselves to their text, so that the rest of the window stays background.
void setCaption(QLabel* label, const QString& text) {
    label->setText(text);
    label->adjustSize();
}
} // namespace

TForm11::TForm11(const NumberText& numbers, MessageSink& sink, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint),
      m_ui(std::make_unique<Ui::TForm11>()), m_numbers(numbers), m_sink(sink),
      m_keys(new KeyFilter(this)) {
    m_ui->setupUi(this);
    setObjectName(QStringLiteral("TForm11"));
    setFixedSize(571, 277);
    setMouseTracking(true);

    for (QLabel* label : {m_ui->Label2, m_ui->Label3, m_ui->Label4, m_ui->Label5, m_ui->Label10,
                          m_ui->Label6, m_ui->Label7, m_ui->Label9, m_ui->Label8})
        label->adjustSize();

    prepareEditableCombo(m_ui->ComboBox1);
    m_ui->ComboBox1->addItems(electrodeShapeNames());
    m_ui->ComboBox1->setCurrentIndex(-1);
    // The list closes by a choice, by Escape or when another window is activated; in every case
    // its container is hidden. The choice itself is applied after the container is hidden, so
    // the close-up runs once the event has been handled.
    m_listPopup = m_ui->ComboBox1->view()->parentWidget();
    m_listPopup->installEventFilter(this);

    for (QLineEdit* edit : {m_ui->Edit1, m_ui->Edit2, m_ui->Edit3, m_ui->Edit4})
        m_keys->watch(edit, KeyFilter::kDecimal);

    passMovesWhileDisabled(m_ui->Button1);
    connect(m_ui->Button1, &QPushButton::clicked, this, &TForm11::Button1Click);
}

TForm11::~TForm11() = default;

bool TForm11::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_listPopup && event->type() == QEvent::Hide)
        QMetaObject::invokeMethod(this, &TForm11::ComboBox1CloseUp, Qt::QueuedConnection);
    return QWidget::eventFilter(watched, event);
}

void TForm11::mouseMoveEvent(QMouseEvent* event) {
    QWidget::mouseMoveEvent(event);
    FormMouseMove();
}

SingleElectrodeTexts TForm11::texts() const {
    return {m_ui->Edit1->text(), m_ui->Edit2->text(), m_ui->Edit3->text(), m_ui->Edit4->text()};
}

void TForm11::takeShapeOver() {
    const int position = pickedPosition(m_ui->ComboBox1);
    if (position < 0 || position >= shapeCount())
        return;
    if (position + 1 != m_shapeNumber)
        m_pictureReportedFor = 0;
    m_shapeNumber = position + 1;
}

bool TForm11::showPicture(const QString& relativePath) {
    const QString path = findPicture(
        relativePath, pictureFolders(QDir::currentPath(), QCoreApplication::applicationDirPath()));
    QImage image;
    try {
        image = readJpegPicture(path);
    } catch (const PictureError&) {
        if (m_pictureReportedFor == m_shapeNumber)
            return false;
        m_pictureReportedFor = m_shapeNumber;
        throw;
    }
    m_pictureReportedFor = 0;
    m_ui->Image1->setPixmap(QPixmap::fromImage(image));
    m_ui->Image1->resize(image.size());
    return true;
}

// Shows the picture, captions, fields and condition of the shape taken over. Returns false when
// the picture cannot be read and that has been reported already; the layout is then left as it
// was, as after the report itself.
bool TForm11::applyShape() {
    if (m_shapeNumber == 0)
        return true;
    const ElectrodeShape& shape = electrodeShape(m_shapeNumber);
    if (!showPicture(shape.picture))
        return false;
    setCaption(m_ui->Label4, shape.caption2);
    if (shape.showsEdit3())
        setCaption(m_ui->Label5, shape.caption3);
    if (shape.showsEdit4())
        setCaption(m_ui->Label10, shape.caption4);
    setCaption(m_ui->Label7, shape.condition);
    m_ui->Label5->setVisible(shape.showsEdit3());
    m_ui->Edit3->setVisible(shape.showsEdit3());
    m_ui->Label10->setVisible(shape.showsEdit4());
    m_ui->Edit4->setVisible(shape.showsEdit4());
    return true;
}

void TForm11::ComboBox1CloseUp() {
    guarded(m_sink, [this] {
        setCaption(m_ui->Label8, QStringLiteral(" "));
        m_ui->Edit1->clear();
        m_ui->Edit2->clear();
        // A field hidden by the previous shape keeps its text.
        if (m_ui->Edit3->isVisibleTo(this))
            m_ui->Edit3->clear();
        if (m_ui->Edit4->isVisibleTo(this))
            m_ui->Edit4->clear();
        m_ui->Button1->setEnabled(false);
        m_pictureReportedFor = 0;
        takeShapeOver();
        applyShape();
    });
}

void TForm11::FormMouseMove() {
    guarded(m_sink, [this] {
        takeShapeOver();
        if (!applyShape())
            return;
        // The refresh only ever enables the button.
        if (readyToCalculate(m_shapeNumber, texts()))
            m_ui->Button1->setEnabled(true);
    });
}

void TForm11::Button1Click() {
    guarded(m_sink, [this] {
        const SingleElectrodeOutcome outcome =
            calculateSingleElectrode(m_shapeNumber, texts(), m_numbers);
        if (outcome.kind == SingleElectrodeOutcome::Kind::Nothing)
            return;
        // No result is shown beside inputs that gave none.
        if (outcome.kind == SingleElectrodeOutcome::Kind::NoResult) {
            m_sink.showMessage(outcome.text);
            setCaption(m_ui->Label8, QStringLiteral(" "));
            return;
        }
        if (outcome.kind == SingleElectrodeOutcome::Kind::ConditionNotMet)
            m_sink.showMessage(kConditionNotMet);
        setCaption(m_ui->Label8, outcome.text);
    });
}
