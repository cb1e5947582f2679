// The window of the soil measured on the site: the Wenner readings, the uniform and the two-layer
// soil fitted to them with their plot, and "Применить", which hands the chosen soil on.
#include "dialogs/SoilMeasurementDialog.h"

#include "base/Messages.h"
#include "base/NumberText.h"
#include "base/SmallFile.h"
#include "calc/WennerReadings.h"
#include "design/MeasuredSoilItems.h"
#include "dialogs/SoilFileDialogs.h"
#include "dialogs/SoilPlot.h"
#include "widgets/KeyFilter.h"

#include <QAction>
#include <QBuffer>
#include <QButtonGroup>
#include <QClipboard>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScopedValueRollback>
#include <QSignalBlocker>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace {

enum Column { SpacingColumn, ResistanceColumn, ApparentColumn };
// Empty rows of a window that has no readings yet.
constexpr int kFirstRows = 5;

// The editors of the number cells take what the program's number boxes take.
class NumberCells : public QStyledItemDelegate {
public:
    NumberCells(KeyFilter* keys, QObject* parent) : QStyledItemDelegate(parent), m_keys(keys) {}

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override {
        QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
        if (auto* edit = qobject_cast<QLineEdit*>(editor))
            m_keys->watch(edit, KeyFilter::kDecimal);
        return editor;
    }

private:
    KeyFilter* m_keys;
};

QPushButton* namedButton(const QString& text, const char* name, QWidget* parent) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);
    return b;
}

// Buttons side by side, pushed to the right or sharing the width.
QHBoxLayout* buttonRow(std::initializer_list<QWidget*> buttons, bool pushedRight = false) {
    auto* row = new QHBoxLayout;
    if (pushedRight)
        row->addStretch();
    for (QWidget* b : buttons)
        row->addWidget(b);
    return row;
}

QString cellText(const QTableWidget* table, int row, int column) {
    const QTableWidgetItem* item = table->item(row, column);
    return item ? item->text() : QString();
}

} // namespace

SoilMeasurementDialog::SoilMeasurementDialog(Design& design, const NumberText& numbers,
                                             MessageSink& sink, SoilFileDialogs& files,
                                             QWidget* parent)
    : QWidget(parent, Qt::Window), m_design(design), m_numbers(numbers), m_sink(sink),
      m_files(files), m_keys(new KeyFilter(this)), m_table(new QTableWidget(0, 3, this)),
      m_addRow(namedButton(QStringLiteral("Добавить строку"), "addRowButton", this)),
      m_removeRow(namedButton(QStringLiteral("Удалить строку"), "removeRowButton", this)),
      m_problem(new QLabel(this)),
      m_uniform(new QRadioButton(QStringLiteral("Однородный грунт:"), this)),
      m_twoLayer(new QRadioButton(QStringLiteral("Двухслойный грунт:"), this)),
      m_uniformResult(new QLabel(this)), m_twoLayerResult(new QLabel(this)),
      m_proposal(new QLabel(this)), m_plot(new SoilPlot(this)),
      m_apply(namedButton(QStringLiteral("Применить"), "applyButton", this)) {
    setObjectName(QStringLiteral("SoilMeasurementDialog"));
    setWindowTitle(QStringLiteral("Удельное сопротивление грунта по замерам"));
    setUpTable();

    auto* paste = namedButton(QStringLiteral("Вставить"), "pasteButton", this);
    paste->setToolTip(QStringLiteral("Замеры из буфера обмена: по строке на замер, a и R через "
                                     "табуляцию, точку с запятой или пробел"));
    auto* import = namedButton(QStringLiteral("Импорт CSV…"), "importButton", this);
    import->setToolTip(QStringLiteral("Замеры из файла CSV: по строке на замер, a и R"));
    auto* copyPlot = namedButton(QStringLiteral("Копировать график"), "copyPlotButton", this);
    auto* savePlot = namedButton(QStringLiteral("Сохранить график…"), "savePlotButton", this);
    auto* close = namedButton(QStringLiteral("Закрыть"), "closeButton", this);
    m_apply->setToolTip(QStringLiteral("Передать выбранный грунт на страницу исходных данных"));
    connect(m_addRow, &QPushButton::clicked, this, &SoilMeasurementDialog::addRow);
    connect(m_removeRow, &QPushButton::clicked, this, &SoilMeasurementDialog::removeRow);
    connect(paste, &QPushButton::clicked, this, &SoilMeasurementDialog::pasteReadings);
    connect(import, &QPushButton::clicked, this, &SoilMeasurementDialog::importReadings);
    connect(copyPlot, &QPushButton::clicked, this, &SoilMeasurementDialog::copyPlot);
    connect(savePlot, &QPushButton::clicked, this, &SoilMeasurementDialog::savePlot);
    connect(m_apply, &QPushButton::clicked, this, &SoilMeasurementDialog::apply);
    connect(close, &QPushButton::clicked, this, &QWidget::close);

    m_problem->setObjectName(QStringLiteral("problemLabel"));
    m_problem->setWordWrap(true);
    m_plot->setObjectName(QStringLiteral("plotView"));
    m_plot->setMinimumSize(420, 320);

    auto* readings = new QVBoxLayout;
    readings->addWidget(m_table, 1);
    readings->addLayout(buttonRow({m_addRow, m_removeRow}));
    readings->addLayout(buttonRow({paste, import}));
    readings->addWidget(m_problem);
    readings->addWidget(modelChoice());
    auto* plot = new QVBoxLayout;
    plot->addWidget(m_plot, 1);
    plot->addLayout(buttonRow({copyPlot, savePlot}, true));
    auto* panes = new QHBoxLayout;
    panes->addLayout(readings, 2);
    panes->addLayout(plot, 3);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(panes, 1);
    layout->addLayout(buttonRow({m_apply, close}, true));
    // A size of its own rather than the layout's, which would follow every text shown.
    layout->setSizeConstraint(QLayout::SetNoConstraint);
    setMinimumSize(800, 560);
    resize(1000, 640);

    setRows(QList<ReadingRowTexts>(kFirstRows));
    connect(&m_design, &Design::changed, this, [this](Design::Parts parts) {
        if (parts & Design::Part::SoilReadings)
            showDesign();
    });
    showDesign();
}

void SoilMeasurementDialog::setUpTable() {
    m_table->setObjectName(QStringLiteral("readingsTable"));
    m_table->setHorizontalHeaderLabels(
        {QStringLiteral("a, м"), QStringLiteral("R, Ом"), QStringLiteral("ρкаж, Ом·м")});
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    m_table->setItemDelegate(new NumberCells(m_keys, m_table));
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setWordWrap(false);
    m_table->setToolTip(QStringLiteral("Разнос электродов a и показание прибора R по каждому "
                                       "замеру; ρкаж = 2πaR. Строки можно вставить из таблицы "
                                       "(Ctrl+V)."));
    // Ctrl+V on the table itself; a cell being edited pastes into its own box.
    auto* paste = new QAction(m_table);
    paste->setShortcut(QKeySequence::Paste);
    paste->setShortcutContext(Qt::WidgetShortcut);
    m_table->addAction(paste);
    connect(paste, &QAction::triggered, this, &SoilMeasurementDialog::pasteReadings);
    connect(m_table, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
        if (item->column() != ApparentColumn) {
            refresh();
            edited();
        }
    });
}

QGroupBox* SoilMeasurementDialog::modelChoice() {
    auto* box = new QGroupBox(QStringLiteral("Грунт по замерам"), this);
    m_uniform->setObjectName(QStringLiteral("uniformButton"));
    m_twoLayer->setObjectName(QStringLiteral("twoLayerButton"));
    m_uniformResult->setObjectName(QStringLiteral("uniformResult"));
    m_twoLayerResult->setObjectName(QStringLiteral("twoLayerResult"));
    m_proposal->setObjectName(QStringLiteral("proposalLabel"));
    for (QLabel* label : {m_uniformResult, m_twoLayerResult, m_proposal})
        label->setWordWrap(true);
    auto* models = new QButtonGroup(box);
    models->addButton(m_uniform);
    models->addButton(m_twoLayer);
    // Only a pick of the engineer's is remembered; the window's own choice is not.
    connect(models, &QButtonGroup::buttonClicked, this, [this](QAbstractButton* b) {
        const SoilModel chosen = b == m_twoLayer ? SoilModel::TwoLayer : SoilModel::Uniform;
        if (!m_showing)
            m_design.edit([&](DesignInputs& d) { d.soilMeasurements.chosen = chosen; });
        showResults();
    });
    auto* layout = new QGridLayout(box);
    layout->addWidget(m_uniform, 0, 0, Qt::AlignTop);
    layout->addWidget(m_uniformResult, 0, 1);
    layout->addWidget(m_twoLayer, 1, 0, Qt::AlignTop);
    layout->addWidget(m_twoLayerResult, 1, 1);
    layout->addWidget(m_proposal, 2, 0, 1, 2);
    layout->setColumnStretch(1, 1);
    return box;
}

// A cell still being edited is taken when the window goes; nothing is recomputed then.
SoilMeasurementDialog::~SoilMeasurementDialog() {
    disconnect(m_table, nullptr, this, nullptr);
}

void SoilMeasurementDialog::setReadings(const std::vector<WennerReading>& readings) {
    QList<ReadingRowTexts> rows;
    for (const WennerReading& r : readings)
        rows.append({m_numbers.general(r.spacing), m_numbers.general(r.resistance)});
    setRows(rows);
}

SoilMeasurementState SoilMeasurementDialog::state() const {
    SoilMeasurementState state{.rows = rows(), .chosen = m_design.inputs().soilMeasurements.chosen};
    if (std::ranges::all_of(state.rows, [](const ReadingRowTexts& r) {
            return r.spacing.isEmpty() && r.resistance.isEmpty();
        }))
        state.rows.clear();
    return state;
}

void SoilMeasurementDialog::edited() {
    if (!m_showing)
        m_design.edit([this](DesignInputs& d) { d.soilMeasurements = state(); });
}

void SoilMeasurementDialog::showDesign() {
    const SoilMeasurementState& kept = m_design.inputs().soilMeasurements;
    const QScopedValueRollback showing(m_showing, true);
    if (state().rows != kept.rows)
        setRows(kept.rows.isEmpty() ? QList<ReadingRowTexts>(kFirstRows) : kept.rows);
    else
        showResults();
}

SoilModel SoilMeasurementDialog::model() const {
    const std::optional<SoilModel>& chosen = m_design.inputs().soilMeasurements.chosen;
    if (!m_fit)
        return chosen.value_or(SoilModel::Uniform);
    if (chosen == SoilModel::Uniform || (chosen == SoilModel::TwoLayer && m_fit->twoLayer))
        return *chosen;
    return m_fit->proposed;
}

void SoilMeasurementDialog::setRows(const QList<ReadingRowTexts>& rows) {
    const qsizetype count = std::clamp<qsizetype>(rows.size(), 1, kMaxReadings);
    {
        const QSignalBlocker quiet(m_table);
        m_table->clearContents();
        m_table->setRowCount(static_cast<int>(count));
        for (int row = 0; row < count && row < rows.size(); ++row) {
            m_table->setItem(row, SpacingColumn, new QTableWidgetItem(rows[row].spacing));
            m_table->setItem(row, ResistanceColumn, new QTableWidgetItem(rows[row].resistance));
        }
    }
    refresh();
}

QList<ReadingRowTexts> SoilMeasurementDialog::rows() const {
    QList<ReadingRowTexts> rows;
    for (int row = 0; row < m_table->rowCount(); ++row)
        rows.append(
            {cellText(m_table, row, SpacingColumn), cellText(m_table, row, ResistanceColumn)});
    return rows;
}

void SoilMeasurementDialog::addRow() {
    if (m_table->rowCount() >= kMaxReadings)
        return;
    m_table->insertRow(m_table->rowCount());
    m_table->setCurrentCell(m_table->rowCount() - 1, SpacingColumn);
    refresh();
    edited();
}

void SoilMeasurementDialog::removeRow() {
    if (m_table->rowCount() <= 1)
        return;
    const int current = m_table->currentRow();
    m_table->removeRow(current >= 0 ? current : m_table->rowCount() - 1);
    refresh();
    edited();
}

void SoilMeasurementDialog::pasteReadings() {
    if (guarded(m_sink, [this] {
            setReadings(readReadingsText(QGuiApplication::clipboard()->text(), m_numbers));
        }))
        edited();
}

void SoilMeasurementDialog::importReadings() {
    const QString path = m_files.readingsToImport(this);
    if (path.isEmpty())
        return;
    if (guarded(m_sink, [&] { setReadings(readReadingsFile(path, m_numbers)); }))
        edited();
}

void SoilMeasurementDialog::copyPlot() {
    QGuiApplication::clipboard()->setImage(m_plot->picture());
}

void SoilMeasurementDialog::savePlot() {
    const QString path = m_files.plotToSave(this);
    if (path.isEmpty())
        return;
    QByteArray bytes;
    if (path.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive)) {
        bytes = m_plot->svg();
    } else {
        QBuffer png(&bytes);
        png.open(QIODevice::WriteOnly);
        m_plot->picture().save(&png, "PNG");
    }
    if (const QString reason = SmallFile::write(path, bytes); !reason.isEmpty())
        m_sink.showError(
            errorBoxText(QStringLiteral("Не удалось сохранить файл «%1»: %2").arg(path, reason)));
}

void SoilMeasurementDialog::apply() {
    if (!m_fit)
        return;
    const MeasuredSoil soil = m_fit->soil(model(), m_readings);
    m_design.edit([&](DesignInputs& d) { applyMeasuredSoil(d, soil, m_numbers); });
}

void SoilMeasurementDialog::refresh() {
    const QList<ReadingRowTexts> texts = rows();
    const TableReadings table = readTable(texts, m_numbers);
    // ρкаж of every row whose two numbers read, and those rows on the plot.
    std::vector<WennerReading> readable;
    {
        const QSignalBlocker quiet(m_table);
        for (int row = 0; row < texts.size(); ++row) {
            QString apparent;
            if (const std::optional<WennerReading>& r = table.rows[std::size_t(row)]) {
                apparent = m_numbers.fixed2(r->apparentResistivity());
                readable.push_back(*r);
            }
            auto* item = new QTableWidgetItem(apparent);
            item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
            m_table->setItem(row, ApparentColumn, item);
        }
    }

    m_fit.reset();
    m_readings.clear();
    if (table.problem) {
        m_problem->setText(errorBoxText(*table.problem));
    } else {
        m_readings = table.readings;
        m_fit = fitSoil(m_readings);
        m_problem->clear();
    }
    keepRowButtonsInStep();
    showResults();
    m_plot->showSoil(readable, m_fit);
}

void SoilMeasurementDialog::showResults() {
    const QString ohmMetres = QStringLiteral(" Ом·м");
    QString uniform, twoLayer, proposal;
    if (m_fit) {
        uniform = QStringLiteral("ρ = %1%2, невязка %3 %")
                      .arg(m_numbers.fixed2(m_fit->uniform.resistivity), ohmMetres,
                           m_numbers.fixed1(m_fit->uniform.misfit));
        if (const auto& two = m_fit->twoLayer)
            twoLayer =
                QStringLiteral("ρ1 = %1%4, ρ2 = %2%4, H = %3 м, невязка %5 %")
                    .arg(m_numbers.fixed2(two->soil.upper), m_numbers.fixed2(two->soil.lower),
                         m_numbers.fixed2(two->soil.thickness), ohmMetres,
                         m_numbers.fixed1(two->misfit));
        else
            twoLayer = QStringLiteral("нужны замеры не меньше чем на %1 разносах")
                           .arg(kTwoLayerMinReadings);
        proposal = m_fit->proposed == SoilModel::TwoLayer
                       ? QStringLiteral("Предлагается двухслойный грунт: он заметно лучше "
                                        "согласуется с замерами.")
                       : QStringLiteral("Предлагается однородный грунт.");
    }
    m_uniformResult->setText(uniform);
    m_twoLayerResult->setText(twoLayer);
    m_proposal->setText(proposal);
    m_uniform->setEnabled(m_fit.has_value());
    m_twoLayer->setEnabled(m_fit && m_fit->twoLayer);
    m_apply->setEnabled(m_fit.has_value());
    chooseModel(model());
}

// Shows the model picked without taking it for the engineer's pick.
void SoilMeasurementDialog::chooseModel(SoilModel model) {
    QRadioButton* b = model == SoilModel::TwoLayer ? m_twoLayer : m_uniform;
    b->setChecked(true);
}

void SoilMeasurementDialog::keepRowButtonsInStep() {
    m_addRow->setEnabled(m_table->rowCount() < kMaxReadings);
    m_removeRow->setEnabled(m_table->rowCount() > 1);
}
