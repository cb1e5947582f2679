// The window "Схема заземляющего устройства": scheme, bill of materials, sizes, saving.
#include "dialogs/SchemeWindow.h"
#include "base/DocumentsFolder.h"
#include "base/SmallFile.h"

#include "base/Messages.h"
#include "dialogs/SchemeView.h"
#include "documents/DrawingSheetPdf.h"
#include "documents/EquipmentScheduleXlsx.h"
#include "documents/SchemeDxf.h"
#include "drawing/SchemeFiles.h"
#include "tables/MinimumSizeTable.h"
#include "widgets/SystemSaveFileDialog.h"
#include "widgets/Windows.h"

#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

QSpinBox* thicknessBox(const char* name, int value, QWidget* parent) {
    auto* box = new QSpinBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setRange(SteelThickness::kThinnestMm, SteelThickness::kThickestMm);
    box->setValue(value);
    box->setSuffix(QStringLiteral(" мм"));
    return box;
}

} // namespace

SchemeWindow::SchemeWindow(Design& design, const NumberText& numbers, MessageSink& sink,
                           QWidget* parent)
    : QWidget(parent, Qt::Window), m_design(design), m_numbers(numbers), m_sink(sink),
      m_fileDialog(std::make_unique<SystemSaveFileDialog>()),
      m_angleWall(thicknessBox("AngleWall", SteelThickness{}.angleWallMm, this)),
      m_stripThickness(thicknessBox("StripThickness", SteelThickness{}.stripThicknessMm, this)),
      m_save(new QPushButton(QStringLiteral("Сохранить…"), this)),
      m_exportEquipmentSchedule(
          new QPushButton(QStringLiteral("Экспорт спецификации (XLSX)…"), this)),
      m_empty(new QLabel(QStringLiteral("Схема и ведомость материалов появятся после расчёта: "
                                        "нажмите «Далее>>» на странице заземлителей."),
                         this)),
      m_tabs(new QTabWidget(this)), m_view(new SchemeView(m_tabs)),
      m_bill(new QTableWidget(m_tabs)), m_warnings(new QLabel(m_tabs)) {
    setObjectName(QStringLiteral("SchemeWindow"));
    setWindowTitle(QStringLiteral("Схема заземляющего устройства"));
    // The forms' font, as every window of the program has it.
    setFont(QFont(QStringLiteral("MS Sans Serif"), 8));
    resize(1040, 720);

    m_save->setObjectName(QStringLiteral("SaveButton"));
    m_exportEquipmentSchedule->setObjectName(QStringLiteral("EquipmentScheduleButton"));
    m_exportEquipmentSchedule->setToolTip(
        QStringLiteral("Спецификация оборудования и материалов по форме ГОСТ 21.110 "
                       "как книга Excel"));
    m_empty->setObjectName(QStringLiteral("EmptyNote"));
    m_empty->setAlignment(Qt::AlignCenter);
    m_empty->setWordWrap(true);
    m_tabs->setObjectName(QStringLiteral("Tabs"));
    m_view->setObjectName(QStringLiteral("SchemeView"));
    m_bill->setObjectName(QStringLiteral("BillTable"));
    m_warnings->setObjectName(QStringLiteral("SizeWarnings"));
    m_warnings->setWordWrap(true);
    m_warnings->setTextFormat(Qt::PlainText);

    const QStringList columns = billColumns();
    m_bill->setColumnCount(static_cast<int>(columns.size()));
    m_bill->setHorizontalHeaderLabels(columns);
    m_bill->verticalHeader()->hide();
    m_bill->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_bill->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_bill->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);

    auto* billPage = new QWidget(m_tabs);
    auto* billLayout = new QVBoxLayout(billPage);
    billLayout->addWidget(m_bill, 1);
    billLayout->addWidget(m_warnings);
    m_tabs->addTab(m_view, QStringLiteral("Схема"));
    m_tabs->addTab(billPage, QStringLiteral("Ведомость материалов"));

    auto* inputs = new QHBoxLayout;
    auto* wallCaption = new QLabel(QStringLiteral("Толщина стенки уголка δ:"), this);
    wallCaption->setBuddy(m_angleWall);
    auto* stripCaption = new QLabel(QStringLiteral("Толщина полосы δп:"), this);
    stripCaption->setBuddy(m_stripThickness);
    inputs->addWidget(wallCaption);
    inputs->addWidget(m_angleWall);
    inputs->addSpacing(16);
    inputs->addWidget(stripCaption);
    inputs->addWidget(m_stripThickness);
    inputs->addStretch(1);
    inputs->addWidget(m_exportEquipmentSchedule);
    inputs->addWidget(m_save);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(inputs);
    layout->addWidget(m_empty, 1);
    layout->addWidget(m_tabs, 1);

    const auto edited = [this] {
        if (m_showing)
            return;
        m_design.edit([this](DesignInputs& d) {
            d.scheme = {m_angleWall->value(), m_stripThickness->value()};
        });
    };
    connect(m_angleWall, &QSpinBox::valueChanged, this, edited);
    connect(m_stripThickness, &QSpinBox::valueChanged, this, edited);
    connect(m_save, &QPushButton::clicked, this, [this] { saveScheme(); });
    connect(m_exportEquipmentSchedule, &QPushButton::clicked, this,
            [this] { exportEquipmentSchedule(); });
    connect(&m_design, &Design::changed, this, [this](Design::Parts parts) {
        if (parts & (Design::Part::Scheme | Design::Part::Results))
            refresh();
    });
    refresh();
}

SchemeWindow::~SchemeWindow() = default;

void SchemeWindow::setFileDialog(std::unique_ptr<SaveFileDialog> dialog) {
    m_fileDialog = std::move(dialog);
}

void SchemeWindow::refresh() {
    {
        const QScopedValueRollback showing(m_showing, true);
        m_angleWall->setValue(thickness().angleWallMm);
        m_stripThickness->setValue(thickness().stripThicknessMm);
    }
    const std::optional<DesignState>& results = m_design.results();
    m_empty->setVisible(!results);
    m_tabs->setVisible(results.has_value());
    m_save->setEnabled(results.has_value());
    m_exportEquipmentSchedule->setEnabled(results.has_value());
    if (!results) {
        m_view->setDrawing(std::nullopt);
        fillBill(BillOfMaterials{});
        return;
    }
    m_view->setDrawing(SchemeDrawing(*results, thickness(), m_numbers));
    fillBill(billOfMaterials(*results, thickness()));
}

void SchemeWindow::fillBill(const BillOfMaterials& bill) {
    const std::vector<BillRow> rows = billRows(bill, m_numbers);
    m_bill->setRowCount(static_cast<int>(rows.size()));
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        const BillRow& row = rows[static_cast<std::size_t>(r)];
        const QString cells[] = {row.name,  row.profile,     row.pieceLength,
                                 row.count, row.totalLength, row.mass};
        for (int c = 0; c < 6; ++c) {
            auto* item = new QTableWidgetItem(cells[c]);
            if (c >= 2)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            m_bill->setItem(r, c, item);
        }
    }
    m_warnings->setText(sizeCheckText(bill));
    showAsWarning(m_warnings, !bill.sizeWarnings.isEmpty());
}

bool SchemeWindow::saveScheme() {
    const std::optional<DesignState>& results = m_design.results();
    if (!results || !m_fileDialog)
        return false;
    const QString start =
        !m_lastFile.isEmpty()
            ? m_lastFile
            : QDir(documentsFolder()).filePath(QStringLiteral("Схема заземляющего устройства.svg"));
    // The picture by its extension, then the drawing sheet and the drawing for CAD programs.
    enum Kind : std::size_t { Svg, Png, Pdf, SheetA3, SheetA4, Dxf };
    const SaveQuestion question{
        QStringLiteral("Сохранить схему"),
        {{QStringLiteral("Рисунок SVG (*.svg)"), QStringLiteral("svg")},
         {QStringLiteral("Рисунок PNG (*.png)"), QStringLiteral("png")},
         {QStringLiteral("Документ PDF (*.pdf)"), QStringLiteral("pdf")},
         {QStringLiteral("Лист чертежа A3 (PDF) (*.pdf)"), QStringLiteral("pdf")},
         {QStringLiteral("Лист чертежа A4 (PDF) (*.pdf)"), QStringLiteral("pdf")},
         {QStringLiteral("Чертёж DXF (*.dxf)"), QStringLiteral("dxf")}}};
    const ChosenFile chosen = m_fileDialog->fileToSave(this, start, question);
    const QString& path = chosen.path;
    if (path.isEmpty())
        return false;
    if (chosen.kind >= SheetA3) {
        const SheetSize size = chosen.kind == SheetA4 ? SheetSize::A4 : SheetSize::A3;
        const ProjectData& project = m_design.inputs().project;
        const bool saved = guarded(m_sink, [&] {
            if (chosen.kind == Dxf)
                saveSchemeDxf(path, *results, thickness(), m_numbers, project, SheetSize::A3);
            else
                saveDrawingSheet(path, *results, thickness(), m_numbers, project, size);
        });
        if (saved)
            m_lastFile = path;
        return saved;
    }
    const std::optional<SchemeFormat> format = schemeFormatOf(path);
    if (!format) {
        m_sink.showError(QStringLiteral("Схему можно сохранить как SVG, PNG или PDF: "
                                        "у файла «%1» другое расширение")
                             .arg(QFileInfo(path).fileName()));
        return false;
    }
    const QByteArray bytes = schemeFile(SchemeDrawing(*results, thickness(), m_numbers), *format);
    if (const QString reason = SmallFile::write(path, bytes); !reason.isEmpty()) {
        m_sink.showError(QStringLiteral("Не удалось сохранить файл «%1»: %2").arg(path, reason));
        return false;
    }
    m_lastFile = path;
    return true;
}

bool SchemeWindow::exportEquipmentSchedule() {
    const std::optional<DesignState>& results = m_design.results();
    if (!results || !m_fileDialog)
        return false;
    const QString start =
        !m_lastEquipmentSchedule.isEmpty()
            ? m_lastEquipmentSchedule
            : QDir(documentsFolder()).filePath(QStringLiteral("Спецификация.xlsx"));
    const SaveQuestion question{QStringLiteral("Экспорт спецификации"),
                                {{QStringLiteral("Книга Excel (*.xlsx)"), QStringLiteral("xlsx")}}};
    const QString path = m_fileDialog->fileToSave(this, start, question).path;
    if (path.isEmpty())
        return false;
    const bool written = guarded(m_sink, [&] {
        saveEquipmentScheduleXlsx(
            path, equipmentSchedule(billOfMaterials(*results, thickness()), m_numbers),
            m_design.inputs().project);
    });
    if (written)
        m_lastEquipmentSchedule = path;
    return written;
}
