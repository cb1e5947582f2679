// The window of the search for variants of the earthing device.
#include "dialogs/VariantSearchWindow.h"

#include "calc/VariantListText.h"
#include "calc/VariantTexts.h"
#include "design/Selectors.h"
#include "tables/ListItems.h"
#include "tables/UtilizationTable.h"
#include "ui_VariantSearchWindow.h"

#include <QHeaderView>
#include <QThread>
#include <algorithm>

namespace {

namespace tx = variant_texts;

// A cell that sorts by its number rather than by its text.
class NumberCell : public QTableWidgetItem {
public:
    NumberCell(const QString& text, double key) : QTableWidgetItem(text), m_key(key) {}
    bool operator<(const QTableWidgetItem& other) const override {
        const auto* cell = dynamic_cast<const NumberCell*>(&other);
        return cell ? m_key < cell->m_key : QTableWidgetItem::operator<(other);
    }

private:
    double m_key;
};

enum Column { Arrangement, Profile, Length, Spacing, Count, StripLength, R, Norm, Mass, Cost };

QStringList columnTitles() {
    return {QStringLiteral("Расположение"), QStringLiteral("Профиль"), QStringLiteral("L, м"),
            QStringLiteral("a, м"),         QStringLiteral("Nу, шт"),  QStringLiteral("Lг.у, м"),
            QStringLiteral("R, Ом"),        QStringLiteral("Rн, Ом"),  QStringLiteral("Масса, кг"),
            QStringLiteral("Стоимость")};
}

QString profileText(const Variant& v) {
    const QString strip = QStringLiteral(", полоса ") + NumberText::whole(v.strip.widthMm) +
                          QStringLiteral("×") + NumberText::whole(v.strip.thicknessMm);
    if (v.material == ElectrodeMaterial::RoundSection)
        return QStringLiteral("⌀") + NumberText::whole(v.sizeMm) + strip;
    const QString b = NumberText::whole(v.sizeMm);
    return b + QStringLiteral("×") + b + QStringLiteral("×") + NumberText::whole(v.wallMm) + strip;
}

} // namespace

VariantSearchWindow::VariantSearchWindow(Design& design, const NumberText& numbers, QWidget* parent)
    : QWidget(parent, Qt::Window), m_design(design), m_numbers(numbers),
      m_ui(std::make_unique<Ui::VariantSearchWindow>()),
      m_generation(std::make_shared<std::atomic<int>>(0)) {
    m_ui->setupUi(this);
    m_ui->columnRuleLabel->setText(tx::columnRule());
    m_ui->variantsTable->setColumnCount(static_cast<int>(columnTitles().size()));
    m_ui->variantsTable->setHorizontalHeaderLabels(columnTitles());
    m_ui->variantsTable->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    showSettings();
    for (QLineEdit* edit : findChildren<QLineEdit*>())
        connect(edit, &QLineEdit::textEdited, this, &VariantSearchWindow::editsChanged);
    for (QCheckBox* box : {m_ui->inRowBox, m_ui->alongContourBox, m_ui->raisedNormBox})
        connect(box, &QCheckBox::toggled, this, [this] {
            if (!m_showing)
                editsChanged();
        });
    connect(m_ui->applyButton, &QPushButton::clicked, this, &VariantSearchWindow::applySelected);
    // What is typed here is the design's already; a design opened brings its own.
    connect(&m_design, &Design::changed, this, [this](Design::Parts parts) {
        if (!(parts & Design::Part::Opened))
            return;
        showSettings();
        if (isVisible())
            search();
    });
}

VariantSearchWindow::~VariantSearchWindow() {
    ++*m_generation;
    for (QThread* thread : m_threads)
        thread->wait();
}

void VariantSearchWindow::showSettings() {
    m_showing = true;
    const VariantSearchSettings& s = m_design.inputs().variants;
    m_ui->inRowBox->setChecked(s.inRow);
    m_ui->alongContourBox->setChecked(s.alongContour);
    m_ui->raisedNormBox->setChecked(s.raisedNorm);
    m_ui->anglesEdit->setText(anglesText(s.angles));
    m_ui->roundsEdit->setText(roundDiametersText(s.roundDiametersMm));
    m_ui->lengthsEdit->setText(lengthsText(s.lengths, m_numbers));
    m_ui->ratiosEdit->setText(ratiosText(s.ratios));
    m_ui->stripsEdit->setText(stripsText(s.strips));
    m_ui->maxElectrodesEdit->setText(NumberText::whole(s.maxElectrodes));
    m_ui->maxRowLengthEdit->setText(optionalValueText(s.maxRowLength, m_numbers));
    m_ui->maxContourSideEdit->setText(optionalValueText(s.maxContourSide, m_numbers));
    m_ui->anglePriceEdit->setText(optionalValueText(s.anglePricePerKg, m_numbers));
    m_ui->roundPriceEdit->setText(optionalValueText(s.roundPricePerKg, m_numbers));
    m_ui->stripPriceEdit->setText(optionalValueText(s.stripPricePerKg, m_numbers));
    m_ui->electrodePriceEdit->setText(optionalValueText(s.pricePerElectrode, m_numbers));
    m_ui->jointPriceEdit->setText(optionalValueText(s.pricePerJoint, m_numbers));
    m_showing = false;
}

QString VariantSearchWindow::readSettings() {
    VariantSearchSettings s = m_design.inputs().variants;
    s.inRow = m_ui->inRowBox->isChecked();
    s.alongContour = m_ui->alongContourBox->isChecked();
    s.raisedNorm = m_ui->raisedNormBox->isChecked();
    QString error;
    const auto take = [&error](auto read, auto& target) {
        if (error.isEmpty() && read.error.isEmpty())
            target = read.items;
        else if (error.isEmpty())
            error = read.error;
    };
    take(readAngles(m_ui->anglesEdit->text()), s.angles);
    take(readRoundDiameters(m_ui->roundsEdit->text()), s.roundDiametersMm);
    take(readLengths(m_ui->lengthsEdit->text(), m_numbers), s.lengths);
    take(readRatios(m_ui->ratiosEdit->text()), s.ratios);
    take(readStrips(m_ui->stripsEdit->text()), s.strips);
    const auto value = [&error](const ReadValue& read, std::optional<double>& target) {
        if (error.isEmpty() && read.error.isEmpty())
            target = read.value;
        else if (error.isEmpty())
            error = read.error;
    };
    std::optional<double> most;
    value(readMaxElectrodes(m_ui->maxElectrodesEdit->text()), most);
    if (most)
        s.maxElectrodes = static_cast<std::int32_t>(*most);
    value(readOptionalValue(m_ui->maxRowLengthEdit->text(), m_numbers, tx::maxRowLengthLimit()),
          s.maxRowLength);
    value(readOptionalValue(m_ui->maxContourSideEdit->text(), m_numbers, tx::maxContourSideLimit()),
          s.maxContourSide);
    std::optional<double>* prices[] = {&s.anglePricePerKg, &s.roundPricePerKg, &s.stripPricePerKg,
                                       &s.pricePerElectrode, &s.pricePerJoint};
    QLineEdit* priceEdits[] = {m_ui->anglePriceEdit, m_ui->roundPriceEdit, m_ui->stripPriceEdit,
                               m_ui->electrodePriceEdit, m_ui->jointPriceEdit};
    for (std::size_t i = 0; i < std::size(prices); ++i)
        value(readOptionalValue(priceEdits[i]->text(), m_numbers, tx::pricesList()), *prices[i]);
    if (error.isEmpty())
        m_design.edit([&s](DesignInputs& d) { d.variants = s; });
    return error;
}

void VariantSearchWindow::editsChanged() {
    search();
}

void VariantSearchWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    search();
}

void VariantSearchWindow::search() {
    const QString error = readSettings();
    const int generation = ++*m_generation;
    if (!error.isEmpty()) {
        VariantSearchResult refused;
        refused.inputError = error;
        showResult(refused);
        return;
    }
    auto result = std::make_shared<VariantSearchResult>();
    const std::shared_ptr<std::atomic<int>> current = m_generation;
    QThread* thread = QThread::create([result, current, generation, site = m_design.state(),
                                       settings = m_design.inputs().variants] {
        *result = searchVariants(site, settings,
                                 [&current, generation] { return *current != generation; });
    });
    thread->setParent(this); // waited for and deleted with the window at the latest
    m_threads.push_back(thread);
    connect(thread, &QThread::finished, this, [this, thread, result, generation] {
        std::erase(m_threads, thread);
        thread->deleteLater();
        if (generation == *m_generation && !result->cancelled)
            showResult(*result);
    });
    thread->start();
}

void VariantSearchWindow::showResult(const VariantSearchResult& r) {
    QTableWidget* table = m_ui->variantsTable;
    table->setSortingEnabled(false);
    table->clearContents();
    m_shown = r.best;
    table->setRowCount(static_cast<int>(m_shown.size()));
    table->setColumnHidden(Cost, !r.byCost);
    for (std::size_t i = 0; i < m_shown.size(); ++i) {
        const Variant& v = m_shown[i];
        const int row = static_cast<int>(i);
        const auto place = [&](int column, QTableWidgetItem* cell) {
            cell->setData(Qt::UserRole, static_cast<int>(i));
            table->setItem(row, column, cell);
        };
        const auto put = [&](int column, const QString& text, double key) {
            place(column, new NumberCell(text, key));
        };
        const bool inRow = v.arrangement == ElectrodeArrangement::Row;
        place(Arrangement,
              new QTableWidgetItem(QString::fromUtf16(kArrangementItems[inRow ? 1 : 0])));
        place(Profile, new QTableWidgetItem(profileText(v)));
        put(Length, m_numbers.general(v.length), v.length);
        put(Spacing, m_numbers.general(v.spacing), v.spacing);
        put(Count, m_numbers.general(v.count), v.count);
        put(StripLength, m_numbers.general(v.stripLength), v.stripLength);
        put(R, m_numbers.fixed2(v.resistance), v.resistance);
        put(Norm, m_numbers.general(v.norm), v.norm);
        put(Mass, m_numbers.fixed2(v.mass), v.mass);
        put(Cost, v.cost ? m_numbers.fixed2(*v.cost) : QString(), v.cost.value_or(0.0));
    }
    table->setSortingEnabled(true);
    if (!m_shown.empty())
        table->selectRow(0);
    m_ui->applyButton->setEnabled(!m_shown.empty());
    const QString sentence = r.inputError.isEmpty() ? tx::nothingKept(r, m_numbers) : r.inputError;
    m_ui->messageLabel->setText(sentence);
    m_ui->countsLabel->setText(r.inputError.isEmpty() ? tx::counts(r) : QString());
}

void VariantSearchWindow::applySelected() {
    const QTableWidgetItem* cell = m_ui->variantsTable->item(m_ui->variantsTable->currentRow(), 0);
    if (!cell)
        return;
    const auto index = static_cast<std::size_t>(cell->data(Qt::UserRole).toInt());
    if (index >= m_shown.size())
        return;
    const Variant v = m_shown[index];
    const bool inRow = v.arrangement == ElectrodeArrangement::Row;
    const bool angle = v.material == ElectrodeMaterial::Angle;
    const UtilizationTable& verticalTable = inRow ? kVerticalRowTable : kVerticalContourTable;
    const UtilizationTable& stripTable = inRow ? kStripRowTable : kStripContourTable;
    const int ratioRow = v.ratio - 1;
    m_design.edit([&](DesignInputs& d) {
        WizardState& w = d.wizard;
        w.arrangement.text = QString::fromUtf16(kArrangementItems[inRow ? 1 : 0]);
        w.material.text = QString::fromUtf16(kMaterialItems[angle ? 0 : 1]);
        w.Edit8 = NumberText::whole(v.sizeMm);
        w.Edit9 = m_numbers.general(v.length);
        w.Edit10 = NumberText::whole(v.strip.widthMm);
        w.Edit11 = m_numbers.general(v.spacing);
        const auto pick = [&](TwoListDialogState& form, const UtilizationTable& table,
                              std::size_t column, double value) {
            form.firstText = QString::fromUtf16(kRatioItems[static_cast<std::size_t>(ratioRow)]);
            form.secondText = QString::fromUtf16(table.numberItems[column]);
            form.rememberedRow = ratioRow;
            form.value = value;
            form.okEnabled = true;
        };
        pick(inRow ? d.Form2 : d.Form4, verticalTable, v.verticalColumn, v.utilizationVertical);
        pick(inRow ? d.Form3 : d.Form5, stripTable, v.stripColumn, v.utilizationHorizontal);
        w.Label16 = m_numbers.general(v.utilizationVertical);
        w.Label26 = m_numbers.general(v.utilizationHorizontal);
        if (angle)
            d.scheme.angleWallMm = v.wallMm;
        d.scheme.stripThicknessMm = v.strip.thicknessMm;
    });
    refreshArrangement(inRow ? 1 : 0, m_design.state());
    refreshMaterial(angle ? 0 : 1, m_design.state());
    emit applied();
}
