// The equipment schedule written with libxlsxwriter, beside its place first.
#include "documents/EquipmentScheduleXlsx.h"

#include "documents/EquipmentScheduleXlsxError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <xlsxwriter.h>

namespace {

// The most characters a cell holds.
constexpr qsizetype kCellLimit = 32767;

// A character of the Basic Multilingual Plane that XML 1.0 holds (the carriage return left to
// the line feed beside it).
bool xmlCharacter(char16_t c) {
    return c == 0x9 || c == 0xA || (c >= 0x20 && c <= 0xD7FF) || (c >= 0xE000 && c <= 0xFFFD);
}

// Column widths in characters of the default font, for the nine columns.
constexpr double kWidths[] = {6, 45, 30, 12, 14, 10, 9, 10, 16};

// The workbook in the making; closed (and so freed) once, by close() or when left.
class Workbook {
public:
    explicit Workbook(const QByteArray& fileName) {
        lxw_workbook_options options{};
        m_book = workbook_new_opt(fileName.constData(), &options);
    }
    ~Workbook() {
        if (m_book)
            workbook_close(m_book);
    }
    Workbook(const Workbook&) = delete;
    Workbook& operator=(const Workbook&) = delete;

    lxw_workbook* get() const { return m_book; }
    lxw_error close() {
        lxw_workbook* book = m_book;
        m_book = nullptr;
        return workbook_close(book);
    }

private:
    lxw_workbook* m_book = nullptr;
};

QString reasonOf(lxw_error error) {
    switch (error) {
    case LXW_ERROR_MEMORY_MALLOC_FAILED:
        return QStringLiteral("не хватает памяти");
    case LXW_ERROR_CREATING_XLSX_FILE:
        return QStringLiteral("файл не создаётся");
    case LXW_ERROR_CREATING_TMPFILE:
        return QStringLiteral("не создаётся временный файл");
    default:
        return QStringLiteral("ошибка записи XLSX (%1)")
            .arg(QString::fromUtf8(lxw_strerror(error)));
    }
}

// Writes the cells and the properties; the first error met, LXW_NO_ERROR when none.
class SheetWriter {
public:
    SheetWriter(lxw_workbook* book, lxw_worksheet* sheet) : m_book(book), m_sheet(sheet) {
        m_header = workbook_add_format(book);
        format_set_bold(m_header);
        format_set_text_wrap(m_header);
        format_set_align(m_header, LXW_ALIGN_CENTER);
        format_set_align(m_header, LXW_ALIGN_VERTICAL_CENTER);
        format_set_border(m_header, LXW_BORDER_THIN);
        m_text = workbook_add_format(book);
        format_set_text_wrap(m_text);
        format_set_align(m_text, LXW_ALIGN_VERTICAL_TOP);
        format_set_border(m_text, LXW_BORDER_THIN);
        m_whole = workbook_add_format(book);
        format_set_num_format(m_whole, "0");
        format_set_align(m_whole, LXW_ALIGN_VERTICAL_TOP);
        format_set_border(m_whole, LXW_BORDER_THIN);
        m_twoDecimals = workbook_add_format(book);
        format_set_num_format(m_twoDecimals, "0.00");
        format_set_align(m_twoDecimals, LXW_ALIGN_VERTICAL_TOP);
        format_set_border(m_twoDecimals, LXW_BORDER_THIN);
        m_total = workbook_add_format(book);
        format_set_num_format(m_total, "0.00\" кг\"");
        format_set_align(m_total, LXW_ALIGN_VERTICAL_TOP);
        format_set_border(m_total, LXW_BORDER_THIN);
    }

    lxw_format* header() const { return m_header; }
    lxw_format* text() const { return m_text; }
    lxw_format* whole() const { return m_whole; }
    lxw_format* twoDecimals() const { return m_twoDecimals; }
    lxw_format* total() const { return m_total; }

    void string(lxw_row_t row, lxw_col_t col, const QString& s, lxw_format* format) {
        const QByteArray bytes = spreadsheetText(s).toUtf8();
        if (bytes.isEmpty())
            note(worksheet_write_blank(m_sheet, row, col, format));
        else
            note(worksheet_write_string(m_sheet, row, col, bytes.constData(), format));
    }
    void number(lxw_row_t row, lxw_col_t col, std::optional<double> value, lxw_format* format) {
        if (value && std::isfinite(*value))
            note(worksheet_write_number(m_sheet, row, col, *value, format));
        else
            string(row, col, QStringLiteral("—"), m_text);
    }
    void properties(const ProjectData& project) {
        if (project.isEmpty())
            return;
        const QString form = QStringLiteral("Спецификация оборудования, изделий и материалов");
        const QByteArray title =
            spreadsheetText(project.documentCode.trimmed().isEmpty()
                                ? form
                                : project.documentCode + QStringLiteral(". ") + form)
                .toUtf8();
        const QByteArray subject = spreadsheetText(project.object).toUtf8();
        const QByteArray author = spreadsheetText(project.developer).toUtf8();
        const QByteArray manager = spreadsheetText(project.chiefEngineer).toUtf8();
        const QByteArray company = spreadsheetText(project.organisation).toUtf8();
        const auto field = [](const QByteArray& b) {
            return b.isEmpty() ? nullptr : const_cast<char*>(b.constData());
        };
        lxw_doc_properties properties{};
        properties.title = field(title);
        properties.subject = field(subject);
        properties.author = field(author);
        properties.manager = field(manager);
        properties.company = field(company);
        note(workbook_set_properties(m_book, &properties));
    }
    lxw_error error() const { return m_error; }

private:
    void note(lxw_error e) {
        if (m_error == LXW_NO_ERROR)
            m_error = e;
    }

    lxw_workbook* m_book;
    lxw_worksheet* m_sheet;
    lxw_format* m_header = nullptr;
    lxw_format* m_text = nullptr;
    lxw_format* m_whole = nullptr;
    lxw_format* m_twoDecimals = nullptr;
    lxw_format* m_total = nullptr;
    lxw_error m_error = LXW_NO_ERROR;
};

// The workbook of schedule at fileName; LXW_NO_ERROR when it is whole.
lxw_error writeWorkbook(const QByteArray& fileName, const EquipmentSchedule& schedule,
                        const ProjectData& project) {
    Workbook book(fileName);
    if (!book.get())
        return LXW_ERROR_MEMORY_MALLOC_FAILED;
    lxw_worksheet* sheet = workbook_add_worksheet(book.get(), "Спецификация");
    if (!sheet)
        return LXW_ERROR_MEMORY_MALLOC_FAILED;
    worksheet_set_landscape(sheet);
    worksheet_set_paper(sheet, 9); // A4
    worksheet_fit_to_pages(sheet, 1, 0);
    worksheet_repeat_rows(sheet, 0, 0);
    worksheet_freeze_panes(sheet, 1, 0);

    SheetWriter w(book.get(), sheet);
    w.properties(project);
    for (lxw_col_t c = 0; c < std::size(kWidths); ++c)
        worksheet_set_column(sheet, c, c, kWidths[c], nullptr);
    const QStringList columns = equipmentScheduleColumns();
    for (qsizetype c = 0; c < columns.size(); ++c)
        w.string(0, lxw_col_t(c), columns[c], w.header());

    lxw_row_t row = 1;
    for (const EquipmentScheduleRow& r : schedule.rows) {
        bool whole = false;
        const int position = r.position.toInt(&whole);
        if (whole)
            w.number(row, 0, position, w.whole());
        else
            w.string(row, 0, r.position, w.text());
        w.string(row, 1, r.name, w.text());
        w.string(row, 2, r.type, w.text());
        w.string(row, 3, r.productCode, w.text());
        w.string(row, 4, r.supplier, w.text());
        w.string(row, 5, r.unit, w.text());
        w.number(row, 6, r.quantity, r.inPieces() ? w.whole() : w.twoDecimals());
        w.number(row, 7, r.unitMass, w.twoDecimals());
        w.string(row, 8, r.note, w.text());
        ++row;
    }
    if (!schedule.rows.empty()) {
        for (lxw_col_t c = 0; c < 8; ++c)
            w.string(row, c, c == 1 ? QStringLiteral("Итого масса стали") : QString(), w.text());
        w.number(row, 8, schedule.totalMass, w.total());
    }
    if (w.error() != LXW_NO_ERROR)
        return w.error();
    return book.close();
}

} // namespace

QString spreadsheetText(const QString& text) {
    QString kept;
    kept.reserve(std::min(text.size(), kCellLimit));
    qsizetype count = 0;
    for (qsizetype i = 0; i < text.size() && count < kCellLimit; ++i) {
        const QChar c = text[i];
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            kept += c;
            kept += text[++i];
            ++count;
        } else if (!c.isSurrogate() && xmlCharacter(c.unicode())) {
            kept += c;
            ++count;
        }
    }
    return kept;
}

void saveEquipmentScheduleXlsx(const QString& fileName, const EquipmentSchedule& schedule,
                               const ProjectData& project) {
    const QFileInfo target(QDir::cleanPath(QFileInfo(fileName).absoluteFilePath()));
    const QString path = target.filePath();
    const auto failed = [&](const QString& reason) {
        return EquipmentScheduleXlsxError(path, reason);
    };
    if (!target.dir().exists())
        throw failed(QStringLiteral("папка не найдена"));
    if (target.isDir())
        throw failed(QStringLiteral("это папка"));

    QTemporaryFile part(target.dir().filePath(QStringLiteral(".%1.XXXXXX").arg(target.fileName())));
    if (!part.open())
        throw failed(part.errorString());
    part.close();
    const QString partPath = part.fileName();

    const lxw_error error = writeWorkbook(QFile::encodeName(partPath), schedule, project);
    if (error != LXW_NO_ERROR)
        throw failed(reasonOf(error));
    // Read by everyone, as a file saved by the program is; the temporary file was its owner's.
    QFile::setPermissions(partPath, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                        QFileDevice::ReadGroup | QFileDevice::ReadOther);
    if (std::rename(QFile::encodeName(partPath).constData(), QFile::encodeName(path).constData()) !=
        0)
        throw failed(qt_error_string(errno));
    // The part is now the file: nothing is left to remove.
    part.setAutoRemove(false);
}
