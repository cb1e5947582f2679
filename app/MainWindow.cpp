// The main window: the three-page design wizard.
#include "app/MainWindow.h"

#include "base/Messages.h"
#include "base/NumberText.h"
#include "calc/ElectrodeStage.h"
#include "calc/InstallationVerdict.h"
#include "calc/ResultCheck.h"
#include "calc/ResultLines.h"
#include "calc/SiteStage.h"
#include "calc/StageInputs.h"
#include "design/MeasuredSoilItems.h"
#include "design/Selectors.h"
#include "tables/ListItems.h"
#include "ui_MainWindow.h"
#include "widgets/KeyFilter.h"
#include "widgets/PageChangeGuard.h"
#include "widgets/Windows.h"

#include <QMouseEvent>
#include <QScopedValueRollback>
#include <QShortcut>
#include <QSignalBlocker>
#include <QTabBar>
#include <algorithm>

// The icon lives in the windows library; a static library has to pull its resources in itself.
static void loadResources() {
    Q_INIT_RESOURCE(korvela);
}

namespace {
bool allFilled(std::initializer_list<const QString*> texts) {
    return std::ranges::none_of(texts, [](const QString* t) { return t->isEmpty(); });
}
} // namespace

TForm1::TForm1(Design& design, const NumberText& numbers, MessageSink& sink, QWidget* parent)
    : QWidget(parent), m_ui(std::make_unique<Ui::TForm1>()), m_design(design), m_numbers(numbers),
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

    // What the engineer types or picks goes into the design.
    const auto box = [this](QComboBox* combo, ListBoxState WizardState::*member) {
        connect(combo, &QComboBox::currentTextChanged, this, [this, combo, member] {
            editWizard([&](WizardState& w) {
                w.*member = {pickedPosition(combo), combo->currentText()};
            });
        });
    };
    box(m_ui->ComboBox3, &WizardState::upperSoil);
    box(m_ui->ComboBox4, &WizardState::lowerSoil);
    box(m_ui->ComboBox2, &WizardState::arrangement);
    box(m_ui->ComboBox1, &WizardState::material);
    const auto edit = [this](QLineEdit* line, QString WizardState::*member) {
        connect(line, &QLineEdit::textChanged, this, [this, member](const QString& text) {
            editWizard([&](WizardState& w) { w.*member = text; });
        });
    };
    edit(m_ui->Edit5, &WizardState::Edit5);
    edit(m_ui->Edit6, &WizardState::Edit6);
    edit(m_ui->Edit8, &WizardState::Edit8);
    edit(m_ui->Edit9, &WizardState::Edit9);
    edit(m_ui->Edit10, &WizardState::Edit10);
    edit(m_ui->Edit11, &WizardState::Edit11);
    connect(m_ui->PageControl1, &QTabWidget::currentChanged, this,
            [this](int page) { editWizard([&](WizardState& w) { w.page = page; }); });
    // ... and the pages follow the design.
    connect(&m_design, &Design::changed, this, [this](Design::Parts parts) {
        if (parts & Design::Part::Wizard)
            showWizard();
        // A design opened shows the caption of its electrode size as its pick sets it.
        if (parts & Design::Part::Opened)
            m_ui->Label9->setText(electrodeSizeCaption(m_design.inputs().wizard.material.position));
    });

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
    connect(m_ui->ProjectButton, &QPushButton::clicked, this, &TForm1::ProjectButtonClick);
    connect(m_ui->VariantButton, &QPushButton::clicked, this, &TForm1::VariantButtonClick);
    // The search starts from the site that page 1's stage computed: not before it.
    m_ui->VariantButton->setEnabled(false);

    // Design files are opened and saved from every page.
    const auto shortcut = [this](QKeyCombination keys, void (TForm1::*request)()) {
        connect(new QShortcut(QKeySequence(keys), this), &QShortcut::activated, this, request);
    };
    shortcut(Qt::CTRL | Qt::Key_O, &TForm1::openRequested);
    shortcut(Qt::CTRL | Qt::Key_S, &TForm1::saveRequested);
    shortcut(Qt::CTRL | Qt::SHIFT | Qt::Key_S, &TForm1::saveAsRequested);
    shortcut(Qt::CTRL | Qt::SHIFT | Qt::Key_P, &TForm1::projectDataRequested);

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
    showWizard();
}

TForm1::~TForm1() = default;

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
    editWizard([index](WizardState& w) { w.page = index; });
}

void TForm1::editWizard(const std::function<void(WizardState&)>& change) {
    if (!m_showing)
        m_design.edit([&](DesignInputs& d) { change(d.wizard); });
}

void TForm1::showWizard() {
    const QScopedValueRollback showing(m_showing, true);
    const WizardState& w = m_design.inputs().wizard;
    showMeasuredItems();
    const auto box = [](QComboBox* combo, const ListBoxState& state) {
        if (combo->currentText() != state.text || pickedPosition(combo) != state.position)
            showText(combo, state.text);
    };
    box(m_ui->ComboBox3, w.upperSoil);
    box(m_ui->ComboBox4, w.lowerSoil);
    box(m_ui->ComboBox2, w.arrangement);
    box(m_ui->ComboBox1, w.material);
    const auto text = [](auto* widget, const QString& shown) {
        if (widget->text() != shown)
            widget->setText(shown);
    };
    text(m_ui->Edit5, w.Edit5);
    text(m_ui->Edit6, w.Edit6);
    text(m_ui->Edit8, w.Edit8);
    text(m_ui->Edit9, w.Edit9);
    text(m_ui->Edit10, w.Edit10);
    text(m_ui->Edit11, w.Edit11);
    text(m_ui->Label29, w.Label29);
    text(m_ui->Label28, w.Label28);
    text(m_ui->Label27, w.Label27);
    text(m_ui->Label16, w.Label16);
    text(m_ui->Label26, w.Label26);
    // A "Далее>>" button once enabled stays enabled.
    if (w.button1Enabled)
        m_ui->Button1->setEnabled(true);
    if (w.button3Enabled)
        m_ui->Button3->setEnabled(true);
    if (w.page >= 0 && w.page < m_ui->PageControl1->count())
        m_ui->PageControl1->setCurrentIndex(w.page);
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
        opened = runSiteStage(siteInputs(m_design.inputs().wizard), m_numbers, m_design.state());
        m_ui->VariantButton->setEnabled(m_ui->VariantButton->isEnabled() || opened);
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
        if (!runElectrodeStage(electrodeInputs(m_design.inputs().wizard), m_numbers,
                               m_design.state())) {
            m_sink.showMessage(
                QStringLiteral("Выберите расположение и материал вертикальных заземлителей"));
            return;
        }
        // A result that cannot be is not shown: the user is told what to check, page 2 stays.
        // What the stage stored stays stored, as after any failed press; page 3 and its report
        // open only after a press whose results pass.
        if (const std::optional<QString> problem =
                implausibleElectrodeResult(m_design.state(), m_numbers)) {
            m_sink.showMessage(*problem);
            return;
        }
        const ResultLines lines = resultLines(m_design.state(), m_numbers);
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
    if (opened)
        m_design.showResults();
    return opened;
}

void TForm1::showVerdict() {
    // One line in the font of the results where it fits, else two lines, smaller as need be.
    const InstallationVerdict verdict = installationVerdict(m_design.state(), m_numbers);
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

void TForm1::ProjectButtonClick() {
    emit projectDataRequested();
}

void TForm1::VariantButtonClick() {
    emit variantSearchRequested();
}

void TForm1::showMeasuredItems() {
    const std::optional<MeasuredSoil>& measured = m_design.inputs().wizard.measuredSoil;
    for (QComboBox* box : {m_ui->ComboBox3, m_ui->ComboBox4}) {
        const QStringList items = soilListItems(measured, box == m_ui->ComboBox3);
        const qsizetype tableItems = soilListItems(std::nullopt, true).size();
        // The text in the edit field stays as it is while the items change under it.
        const QString text = box->currentText();
        const QSignalBlocker blocker(box);
        while (box->count() > items.size())
            box->removeItem(box->count() - 1);
        for (qsizetype i = tableItems; i < items.size(); ++i) {
            if (i < box->count())
                box->setItemText(static_cast<int>(i), items[i]);
            else
                box->addItem(items[i]);
        }
        showText(box, text);
    }
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
    const WizardState& w = m_design.inputs().wizard;
    if (allFilled({&w.upperSoil.text, &w.lowerSoil.text, &w.Label27, &w.Label28, &w.Label29,
                   &w.Edit5, &w.Edit6}))
        editWizard([](WizardState& next) { next.button1Enabled = true; });
}

void TForm1::Label31MouseMove() {
    const WizardState& w = m_design.inputs().wizard;
    if (allFilled({&w.arrangement.text, &w.material.text, &w.Edit8, &w.Edit9, &w.Edit10, &w.Edit11,
                   &w.Label26, &w.Label16}))
        editWizard([](WizardState& next) { next.button3Enabled = true; });
}

void TForm1::Label26MouseMove() {
    refreshArrangement(m_design.inputs().wizard.arrangement.position, m_design.state());
}

void TForm1::Edit8MouseMove() {
    const int material = m_design.inputs().wizard.material.position;
    refreshMaterial(material, m_design.state());
    m_ui->Label9->setText(electrodeSizeCaption(material));
}
