// The main window: the three-page design wizard.
#include "app/MainWindow.h"

#include "base/Messages.h"
#include "base/NumberText.h"
#include "calc/ElectrodeStage.h"
#include "calc/InstallationVerdict.h"
#include "calc/ResultCheck.h"
#include "calc/ResultLines.h"
#include "calc/SiteStage.h"
#include "design/MeasuredSoilItems.h"
#include "design/Selectors.h"
#include "tables/ListItems.h"
#include "tables/SoilTable.h"
#include "ui_MainWindow.h"
#include "widgets/KeyFilter.h"
#include "widgets/PageChangeGuard.h"
#include "widgets/Windows.h"

#include <QMouseEvent>
#include <QShortcut>
#include <QSignalBlocker>
#include <QTabBar>

// The icon lives in the windows library; a static library has to pull its resources in itself.
static void loadResources() {
    Q_INIT_RESOURCE(korvela);
}

namespace {
QString textOf(const QWidget* w) {
    if (const auto* combo = qobject_cast<const QComboBox*>(w))
        return combo->currentText();
    if (const auto* edit = qobject_cast<const QLineEdit*>(w))
        return edit->text();
    if (const auto* label = qobject_cast<const QLabel*>(w))
        return label->text();
    return {};
}

ListBoxState boxState(const QComboBox* box) {
    return {pickedPosition(box), box->currentText()};
}
} // namespace

TForm1::TForm1(DesignState& state, const NumberText& numbers, MessageSink& sink, QWidget* parent)
    : QWidget(parent), m_ui(std::make_unique<Ui::TForm1>()), m_state(state), m_numbers(numbers),
      m_sink(sink), m_keys(new KeyFilter(this)) {
    loadResources();
    m_ui->setupUi(this);
    setWindowTitle(kApplicationTitle);
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setWindowIcon(QIcon(QStringLiteral(":/korvela.svg")));
    resize(737, 425);

    // Pages 2 and 3 have no tab header; the one header of page 1 spans the window and brings
    // page 1 back from any page.
    auto* tabs = m_ui->PageControl1->tabBar();
    tabs->setTabVisible(1, false);
    tabs->setTabVisible(2, false);
    tabs->setExpanding(false);
    tabs->setStyleSheet(QStringLiteral("QTabBar::tab { width: 731px; height: 16px; }"));
    connect(tabs, &QTabBar::tabBarClicked, this, [this](int index) {
        if (index == 0)
            showPage(0);
    });
    showPage(0);
    new PageChangeGuard(m_ui->PageControl1);

    for (QComboBox* box : {m_ui->ComboBox1, m_ui->ComboBox2, m_ui->ComboBox3, m_ui->ComboBox4}) {
        prepareEditableCombo(box);
        box->setCurrentIndex(-1);
    }

    m_keys->watch(m_ui->Edit5, KeyFilter::kDecimal, m_ui->Edit6);
    m_keys->watch(m_ui->Edit6, KeyFilter::kDecimal);
    m_keys->watch(m_ui->Edit8, KeyFilter::kDigits, m_ui->Edit9);
    m_keys->watch(m_ui->Edit9, KeyFilter::kDecimal, m_ui->Edit10);
    m_keys->watch(m_ui->Edit10, KeyFilter::kDigits, m_ui->Edit11);
    m_keys->watch(m_ui->Edit11, KeyFilter::kDecimal);

    for (QLabel* l : {m_ui->Label26, m_ui->Label30, m_ui->Label31, m_ui->Label16, m_ui->Label27,
                      m_ui->Label28, m_ui->Label29}) {
        l->setMouseTracking(l == m_ui->Label26 || l == m_ui->Label30 || l == m_ui->Label31);
        l->installEventFilter(this);
    }
    m_ui->Edit8->installEventFilter(this);

    // What the engineer types or picks changes the design; what the program writes does not.
    for (QComboBox* box : {m_ui->ComboBox1, m_ui->ComboBox2, m_ui->ComboBox3, m_ui->ComboBox4}) {
        connect(box, &QComboBox::activated, this, &TForm1::designEdited);
        connect(box->lineEdit(), &QLineEdit::textEdited, this, &TForm1::designEdited);
    }
    for (QLineEdit* edit :
         {m_ui->Edit5, m_ui->Edit6, m_ui->Edit8, m_ui->Edit9, m_ui->Edit10, m_ui->Edit11})
        connect(edit, &QLineEdit::textEdited, this, &TForm1::designEdited);

    connect(m_ui->Button1, &QPushButton::clicked, this, &TForm1::Button1Click);
    connect(m_ui->Button2, &QPushButton::clicked, this, &TForm1::Button2Click);
    connect(m_ui->Button3, &QPushButton::clicked, this, &TForm1::Button3Click);
    connect(m_ui->Button4, &QPushButton::clicked, this, &TForm1::Button4Click);
    connect(m_ui->Button5, &QPushButton::clicked, this, &TForm1::Button5Click);
    connect(m_ui->Button6, &QPushButton::clicked, this, &TForm1::Button6Click);
    connect(m_ui->BitBtn1, &QPushButton::clicked, this, &TForm1::BitBtn1Click);
    connect(m_ui->OpenButton, &QPushButton::clicked, this, &TForm1::OpenButtonClick);
    connect(m_ui->SaveButton, &QPushButton::clicked, this, &TForm1::SaveButtonClick);
    connect(m_ui->SchemeButton, &QPushButton::clicked, this, &TForm1::SchemeButtonClick);
    connect(m_ui->SoilButton, &QPushButton::clicked, this, &TForm1::SoilButtonClick);

    // Design files are opened and saved from every page.
    const auto shortcut = [this](QKeyCombination keys, void (TForm1::*request)()) {
        connect(new QShortcut(QKeySequence(keys), this), &QShortcut::activated, this, request);
    };
    shortcut(Qt::CTRL | Qt::Key_O, &TForm1::openRequested);
    shortcut(Qt::CTRL | Qt::Key_S, &TForm1::saveRequested);
    shortcut(Qt::CTRL | Qt::SHIFT | Qt::Key_S, &TForm1::saveAsRequested);

    // "Экспорт отчёта в PDF…": the report is there only on page 3, after a calculation.
    auto* exportPdf = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_E), this);
    exportPdf->setObjectName(QStringLiteral("ExportPdfShortcut"));
    exportPdf->setWhatsThis(QStringLiteral("Экспорт отчёта в PDF…"));
    connect(exportPdf, &QShortcut::activated, this, &TForm1::reportPdfRequested);
    const auto followPage = [exportPdf, this] {
        exportPdf->setEnabled(m_ui->PageControl1->currentWidget() == m_ui->TabSheet3);
    };
    connect(m_ui->PageControl1, &QTabWidget::currentChanged, this, followPage);
    followPage();
}

TForm1::~TForm1() = default;

QLabel* TForm1::displayLabel(DisplayLabel which) const {
    switch (which) {
    case DisplayLabel::Label29:
        return m_ui->Label29;
    case DisplayLabel::Label28:
        return m_ui->Label28;
    case DisplayLabel::Label27:
        return m_ui->Label27;
    case DisplayLabel::Label16:
        return m_ui->Label16;
    case DisplayLabel::Label26:
        return m_ui->Label26;
    }
    return nullptr;
}

void TForm1::setDisplayLabel(DisplayLabel which, const QString& text) {
    QLabel* label = displayLabel(which);
    // A confirmation that hands over the value shown changes nothing.
    if (label->text() == text)
        return;
    label->setText(text);
    emit designEdited();
}

WizardState TForm1::wizardState() const {
    WizardState s;
    s.upperSoil = boxState(m_ui->ComboBox3);
    s.lowerSoil = boxState(m_ui->ComboBox4);
    s.arrangement = boxState(m_ui->ComboBox2);
    s.material = boxState(m_ui->ComboBox1);
    s.Edit5 = m_ui->Edit5->text();
    s.Edit6 = m_ui->Edit6->text();
    s.Edit8 = m_ui->Edit8->text();
    s.Edit9 = m_ui->Edit9->text();
    s.Edit10 = m_ui->Edit10->text();
    s.Edit11 = m_ui->Edit11->text();
    s.Label29 = m_ui->Label29->text();
    s.Label28 = m_ui->Label28->text();
    s.Label27 = m_ui->Label27->text();
    s.Label16 = m_ui->Label16->text();
    s.Label26 = m_ui->Label26->text();
    s.button1Enabled = m_ui->Button1->isEnabled();
    s.button3Enabled = m_ui->Button3->isEnabled();
    s.page = m_ui->PageControl1->currentIndex();
    s.measuredSoil = m_measuredSoil;
    return s;
}

void TForm1::restoreWizardState(const WizardState& s) {
    // The items of a measured soil are there before the texts are looked up among the items.
    m_measuredSoil = s.measuredSoil;
    showMeasuredItems();
    showText(m_ui->ComboBox3, s.upperSoil.text);
    showText(m_ui->ComboBox4, s.lowerSoil.text);
    showText(m_ui->ComboBox2, s.arrangement.text);
    showText(m_ui->ComboBox1, s.material.text);
    m_ui->Edit5->setText(s.Edit5);
    m_ui->Edit6->setText(s.Edit6);
    m_ui->Edit8->setText(s.Edit8);
    m_ui->Edit9->setText(s.Edit9);
    m_ui->Edit10->setText(s.Edit10);
    m_ui->Edit11->setText(s.Edit11);
    m_ui->Label29->setText(s.Label29);
    m_ui->Label28->setText(s.Label28);
    m_ui->Label27->setText(s.Label27);
    m_ui->Label16->setText(s.Label16);
    m_ui->Label26->setText(s.Label26);
    if (s.button1Enabled)
        m_ui->Button1->setEnabled(true);
    if (s.button3Enabled)
        m_ui->Button3->setEnabled(true);
    m_showsResults = false;
    Label26MouseMove();
    Edit8MouseMove();
    if (s.page >= 0 && s.page < m_ui->PageControl1->count())
        showPage(s.page);
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseMove) {
        if (watched == m_ui->Label30) {
            Label30MouseMove();
            return true;
        }
        if (watched == m_ui->Label31) {
            Label31MouseMove();
            return true;
        }
        if (watched == m_ui->Label26)
            Label26MouseMove();
        else if (watched == m_ui->Edit8)
            Edit8MouseMove();
        return false;
    }
    if (event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const auto* w = qobject_cast<QWidget*>(watched);
        if (mouse->button() != Qt::LeftButton || !w ||
            !w->rect().contains(mouse->position().toPoint()))
            return false;
        if (watched == m_ui->Label29)
            Label29Click();
        else if (watched == m_ui->Label27)
            Label27Click();
        else if (watched == m_ui->Label16)
            Label16Click();
        else if (watched == m_ui->Label26)
            Label26Click();
        else if (watched == m_ui->Label28)
            Label28Click();
    }
    return false;
}

void TForm1::showPage(int index) {
    m_ui->PageControl1->setCurrentIndex(index);
}

void TForm1::enableWhenFilled(QWidget* button, std::initializer_list<const QWidget*> inputs) {
    for (const QWidget* input : inputs) {
        if (textOf(input).isEmpty())
            return;
    }
    button->setEnabled(true);
}

void TForm1::recalculateTo(int page) {
    if (page >= 1 && runSitePage() && page >= 2)
        runElectrodePage();
}

void TForm1::Button1Click() {
    runSitePage();
}

bool TForm1::runSitePage() {
    bool opened = false;
    guarded(m_sink, [&] {
        SiteInputs in;
        in.upperSoilPosition = pickedPosition(m_ui->ComboBox3);
        in.lowerSoilPosition = pickedPosition(m_ui->ComboBox4);
        in.climaticVertical = m_ui->Label29->text();
        in.climaticHorizontal = m_ui->Label28->text();
        in.upperLayerThickness = m_ui->Edit5->text();
        in.horizontalDepth = m_ui->Edit6->text();
        in.normalizedResistance = m_ui->Label27->text();
        in.measuredSoil = m_measuredSoil;
        opened = runSiteStage(in, m_numbers, m_state);
        if (opened)
            showPage(1);
        else
            m_sink.showMessage(QStringLiteral("Выберите грунт верхнего и нижнего слоя"));
    });
    return opened;
}

void TForm1::Button2Click() {
    showPage(0);
}

void TForm1::Button3Click() {
    runElectrodePage();
}

bool TForm1::runElectrodePage() {
    // The selectors follow the current picks, not only the last pass of the pointer.
    Label26MouseMove();
    Edit8MouseMove();
    bool opened = false;
    guarded(m_sink, [&] {
        ElectrodeInputs in;
        in.electrodeSizeMm = m_ui->Edit8->text();
        in.verticalLength = m_ui->Edit9->text();
        in.stripWidthMm = m_ui->Edit10->text();
        in.spacing = m_ui->Edit11->text();
        in.utilizationHorizontal = m_ui->Label26->text();
        in.utilizationVertical = m_ui->Label16->text();
        if (!runElectrodeStage(in, m_numbers, m_state)) {
            m_sink.showMessage(
                QStringLiteral("Выберите расположение и материал вертикальных заземлителей"));
            return;
        }
        // A result that cannot be is not shown: the user is told what to check, page 2 stays.
        // What the stage stored stays stored, as after any failed press; page 3 and its report
        // open only after a press whose results pass.
        if (const std::optional<QString> problem = implausibleElectrodeResult(m_state, m_numbers)) {
            m_sink.showMessage(*problem);
            return;
        }
        const ResultLines lines = resultLines(m_state, m_numbers);
        m_ui->Label17->setText(lines.Label17);
        m_ui->Label18->setText(lines.Label18);
        m_ui->Label19->setText(lines.Label19);
        m_ui->Label20->setText(lines.Label20);
        m_ui->Label21->setText(lines.Label21);
        m_ui->Label22->setText(lines.Label22);
        m_ui->Label24->setText(lines.Label24);
        m_ui->Label25->setText(lines.Label25);
        m_ui->Label32->setText(lines.Label32);
        showVerdict();
        showPage(2);
        opened = true;
    });
    if (opened) {
        m_showsResults = true;
        emit resultsShown();
    }
    return opened;
}

void TForm1::showVerdict() {
    // One line in the font of the results where it fits, else two lines, smaller as need be.
    const InstallationVerdict verdict = installationVerdict(m_state, m_numbers);
    QLabel* label = m_ui->VerdictLabel;
    label->setText(verdict.text);
    label->setToolTip(verdict.toolTip);
    showAsWarning(label, verdict.outcome != VerdictOutcome::Meets);
    fitTextToLabel(label, m_ui->Label24->font(), 7);
}

void TForm1::Button4Click() {
    showPage(1);
}

void TForm1::Button5Click() {
    emit reportRequested();
}

void TForm1::Button6Click() {
    emit singleElectrodeRequested();
}

void TForm1::BitBtn1Click() {
    emit aboutRequested();
}

void TForm1::OpenButtonClick() {
    emit openRequested();
}

void TForm1::SaveButtonClick() {
    emit saveRequested();
}

void TForm1::SchemeButtonClick() {
    emit schemeRequested();
}

void TForm1::SoilButtonClick() {
    emit soilMeasurementsRequested();
}

void TForm1::showMeasuredItems() {
    constexpr int position = kMeasuredSoilPosition;
    std::optional<MeasuredSoilItems> items;
    if (m_measuredSoil)
        items = measuredSoilItems(*m_measuredSoil, m_numbers);
    for (QComboBox* box : {m_ui->ComboBox3, m_ui->ComboBox4}) {
        // The text in the edit field stays as it is while the items change under it.
        const QString text = box->currentText();
        const QSignalBlocker blocker(box);
        if (!items) {
            while (box->count() > position)
                box->removeItem(box->count() - 1);
        } else {
            const QString& item = box == m_ui->ComboBox3 ? items->upperText : items->lowerText;
            if (box->count() > position)
                box->setItemText(position, item);
            else
                box->addItem(item);
        }
        showText(box, text);
    }
}

void TForm1::applyMeasuredSoil(const MeasuredSoil& soil) {
    m_measuredSoil = soil;
    showMeasuredItems();
    m_ui->ComboBox3->setCurrentIndex(kMeasuredSoilPosition);
    m_ui->ComboBox4->setCurrentIndex(kMeasuredSoilPosition);
    const QString thickness = measuredSoilItems(soil, m_numbers).thicknessText;
    if (!thickness.isEmpty())
        m_ui->Edit5->setText(thickness);
    emit designEdited();
}

void TForm1::Label29Click() {
    emit displayLabelClicked(DisplayLabel::Label29);
}

void TForm1::Label28Click() {
    emit displayLabelClicked(DisplayLabel::Label28);
}

void TForm1::Label27Click() {
    emit displayLabelClicked(DisplayLabel::Label27);
}

void TForm1::Label16Click() {
    emit displayLabelClicked(DisplayLabel::Label16);
}

void TForm1::Label26Click() {
    emit displayLabelClicked(DisplayLabel::Label26);
}

void TForm1::Label30MouseMove() {
    enableWhenFilled(m_ui->Button1, {m_ui->ComboBox3, m_ui->ComboBox4, m_ui->Label27, m_ui->Label28,
                                     m_ui->Label29, m_ui->Edit5, m_ui->Edit6});
}

void TForm1::Label31MouseMove() {
    enableWhenFilled(m_ui->Button3, {m_ui->ComboBox2, m_ui->ComboBox1, m_ui->Edit8, m_ui->Edit9,
                                     m_ui->Edit10, m_ui->Edit11, m_ui->Label26, m_ui->Label16});
}

void TForm1::Label26MouseMove() {
    refreshArrangement(pickedPosition(m_ui->ComboBox2), m_state);
}

void TForm1::Edit8MouseMove() {
    const int material = pickedPosition(m_ui->ComboBox1);
    refreshMaterial(material, m_state);
    m_ui->Label9->setText(electrodeSizeCaption(material));
}
