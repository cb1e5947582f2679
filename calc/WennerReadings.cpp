// Wenner readings from what the engineer types, pastes or imports, and the checks they pass.
#include "calc/WennerReadings.h"

#include "base/Errors.h"
#include "base/NumberText.h"
#include "base/SmallFile.h"
#include "calc/ReadingsError.h"

#include <QFile>
#include <QStringView>

#include <cmath>
#include <optional>

namespace {

// Quotes stay short, whatever was pasted.
constexpr qsizetype kLongestQuote = 24;

// A reading and the number of its row in what the engineer sees.
struct RowReading {
    WennerReading reading;
    int row = 0;
};

QString quoted(QStringView text) {
    if (text.size() <= kLongestQuote)
        return QStringLiteral("«%1»").arg(text);
    return QStringLiteral("«%1…»").arg(text.left(kLongestQuote));
}

[[noreturn]] void fault(int row, const QString& what) {
    throw ReadingsError(QStringLiteral("строка %1: %2").arg(row).arg(what));
}

// A quantity of a reading and the range a believable value of it lies in.
struct Quantity {
    QString name;
    QString notPositive; // the fault of a value that is zero or negative
    QString unit;
    double least = 0.0;
    double most = 0.0;
};

const Quantity kSpacing{QStringLiteral("разнос a"),
                        QStringLiteral("разнос a должен быть больше нуля"), QStringLiteral("м"),
                        kMinSpacing, kMaxSpacing};
const Quantity kResistance{QStringLiteral("показание R"),
                           QStringLiteral("показание R должно быть больше нуля"),
                           QStringLiteral("Ом"), kMinResistance, kMaxResistance};

void checkRange(int row, double value, const Quantity& q, const NumberText& numbers) {
    if (!std::isfinite(value))
        fault(row, QStringLiteral("%1 — не число").arg(q.name));
    if (value <= 0.0)
        fault(row, q.notPositive);
    if (value < q.least || value > q.most)
        fault(row, QStringLiteral("%1 = %2 %3 вне пределов от %4 до %5 %3")
                       .arg(q.name, numbers.general(value), q.unit, numbers.general(q.least),
                            numbers.general(q.most)));
}

void checkCount(std::size_t count) {
    if (count == 0)
        throw ReadingsError(QStringLiteral("нет ни одного замера"));
    if (count > static_cast<std::size_t>(kMaxReadings))
        throw ReadingsError(
            QStringLiteral("замеров больше %1, а таблица вмещает не больше %1").arg(kMaxReadings));
}

std::vector<WennerReading> checked(const std::vector<RowReading>& rows, const NumberText& numbers) {
    checkCount(rows.size());
    std::vector<WennerReading> readings;
    for (const RowReading& r : rows) {
        checkRange(r.row, r.reading.spacing, kSpacing, numbers);
        checkRange(r.row, r.reading.resistance, kResistance, numbers);
        for (std::size_t i = 0; i < readings.size(); ++i) {
            if (readings[i].spacing == r.reading.spacing)
                fault(r.row, QStringLiteral("разнос a = %1 м уже есть в строке %2")
                                 .arg(numbers.general(r.reading.spacing))
                                 .arg(rows[i].row));
        }
        readings.push_back(r.reading);
    }
    return readings;
}

// A number of a pasted cell: "," or "." as the decimal mark, not both.
std::optional<double> cellNumber(QStringView cell) {
    const NumberText point(QLatin1Char('.'));
    if (cell.contains(QLatin1Char(',')) && cell.contains(QLatin1Char('.')))
        return std::nullopt;
    QString text = cell.toString();
    text.replace(QLatin1Char(','), QLatin1Char('.'));
    try {
        return point.readDecimal(text);
    } catch (const ConversionError&) {
        return std::nullopt;
    }
}

// The cells of a line: split at tabs and semicolons when it has any, else at runs of blanks;
// blanks and enclosing double quotes trimmed; empty cells at the end dropped.
QList<QStringView> cellsOf(QStringView line) {
    QList<QStringView> cells;
    const bool delimited = line.contains(QLatin1Char('\t')) || line.contains(QLatin1Char(';'));
    if (delimited) {
        qsizetype from = 0;
        for (qsizetype i = 0; i <= line.size(); ++i) {
            if (i == line.size() || line[i] == QLatin1Char('\t') || line[i] == QLatin1Char(';')) {
                QStringView cell = line.mid(from, i - from).trimmed();
                if (cell.size() >= 2 && cell.front() == QLatin1Char('"') &&
                    cell.back() == QLatin1Char('"'))
                    cell = cell.mid(1, cell.size() - 2).trimmed();
                cells << cell;
                from = i + 1;
            }
        }
    } else {
        for (const QStringView cell : line.split(QLatin1Char(' '), Qt::SkipEmptyParts))
            cells << cell;
    }
    while (!cells.isEmpty() && cells.back().isEmpty())
        cells.removeLast();
    return cells;
}

// A header: no cell reads as a number, and some character is one that no number has.
bool isHeader(const QList<QStringView>& cells) {
    static const QString numberCharacters = QStringLiteral("0123456789+-.,eE \"");
    bool foreign = false;
    for (const QStringView cell : cells) {
        if (cellNumber(cell))
            return false;
        for (const QChar c : cell)
            foreign = foreign || !numberCharacters.contains(c);
    }
    return foreign;
}

} // namespace

void checkReadings(std::span<const WennerReading> readings, const NumberText& numbers) {
    std::vector<RowReading> rows;
    int row = 0;
    for (const WennerReading& r : readings)
        rows.push_back({r, ++row});
    checked(rows, numbers);
}

namespace {

// A row of the table as its two numbers read, each once.
struct ParsedRow {
    const ReadingRowTexts* texts = nullptr;
    std::optional<double> spacing;
    std::optional<double> resistance;
};

std::vector<ParsedRow> parsedRows(const QList<ReadingRowTexts>& rows, const NumberText& numbers) {
    const auto read = [&](const QString& text) -> std::optional<double> {
        try {
            return numbers.readDecimal(text);
        } catch (const ConversionError&) {
            return std::nullopt;
        }
    };
    std::vector<ParsedRow> parsed;
    parsed.reserve(static_cast<std::size_t>(rows.size()));
    for (const ReadingRowTexts& row : rows)
        parsed.push_back({&row, read(row.spacing), read(row.resistance)});
    return parsed;
}

std::vector<std::optional<WennerReading>> readable(const std::vector<ParsedRow>& rows,
                                                   const NumberText& numbers) {
    std::vector<std::optional<WennerReading>> readings;
    for (const ParsedRow& row : rows) {
        std::optional<WennerReading> reading;
        if (row.spacing && row.resistance) {
            const WennerReading r{.spacing = *row.spacing, .resistance = *row.resistance};
            try {
                checkReadings(std::span(&r, 1), numbers);
                reading = r;
            } catch (const UserError&) {
            }
        }
        readings.push_back(reading);
    }
    return readings;
}

std::vector<WennerReading> tableReadings(const std::vector<ParsedRow>& rows,
                                         const NumberText& numbers) {
    std::vector<RowReading> readings;
    int row = 0;
    for (const ParsedRow& parsed : rows) {
        ++row;
        const ReadingRowTexts& texts = *parsed.texts;
        const bool noSpacing = texts.spacing.trimmed().isEmpty();
        const bool noResistance = texts.resistance.trimmed().isEmpty();
        if (noSpacing && noResistance)
            continue;
        if (noSpacing)
            fault(row, QStringLiteral("не указан разнос a"));
        if (noResistance)
            fault(row, QStringLiteral("не указано показание R"));
        if (!parsed.spacing)
            fault(row, QStringLiteral("%1 — не число").arg(quoted(texts.spacing)));
        if (!parsed.resistance)
            fault(row, QStringLiteral("%1 — не число").arg(quoted(texts.resistance)));
        readings.push_back({{.spacing = *parsed.spacing, .resistance = *parsed.resistance}, row});
    }
    return checked(readings, numbers);
}

} // namespace

std::vector<std::optional<WennerReading>> readableRows(const QList<ReadingRowTexts>& rows,
                                                       const NumberText& numbers) {
    return readable(parsedRows(rows, numbers), numbers);
}

std::vector<WennerReading> readTableRows(const QList<ReadingRowTexts>& rows,
                                         const NumberText& numbers) {
    return tableReadings(parsedRows(rows, numbers), numbers);
}

TableReadings readTable(const QList<ReadingRowTexts>& rows, const NumberText& numbers) {
    const std::vector<ParsedRow> parsed = parsedRows(rows, numbers);
    TableReadings table;
    table.rows = readable(parsed, numbers);
    try {
        table.readings = tableReadings(parsed, numbers);
    } catch (const ReadingsError& e) {
        table.problem = e.message();
    }
    return table;
}

std::vector<WennerReading> readReadingsText(const QString& text, const NumberText& numbers) {
    std::vector<RowReading> readings;
    bool first = true;
    int row = 0;
    QStringView rest(text);
    if (rest.startsWith(QChar(0xFEFF))) // a byte-order mark
        rest = rest.mid(1);
    // Lines end in "\n", "\r\n" or "\r"; reading stops once the table is overfull.
    while (!rest.isEmpty() && readings.size() <= static_cast<std::size_t>(kMaxReadings)) {
        qsizetype end = 0;
        while (end < rest.size() && rest[end] != QLatin1Char('\n') &&
               rest[end] != QLatin1Char('\r'))
            ++end;
        const QStringView line = rest.left(end);
        if (end < rest.size() && rest[end] == QLatin1Char('\r') && end + 1 < rest.size() &&
            rest[end + 1] == QLatin1Char('\n'))
            ++end;
        rest = rest.mid(std::min(end + 1, rest.size()));
        ++row;

        const QList<QStringView> cells = cellsOf(line);
        if (cells.isEmpty())
            continue;
        if (std::exchange(first, false) && isHeader(cells))
            continue;
        if (cells.size() != 2)
            fault(row,
                  QStringLiteral("нужны два числа, разнос a и показание R (значений в строке: %1)")
                      .arg(cells.size()));
        const auto read = [&](QStringView cell) {
            const std::optional<double> value = cellNumber(cell);
            if (!value)
                fault(row, QStringLiteral("%1 — не число").arg(quoted(cell)));
            return *value;
        };
        readings.push_back({{.spacing = read(cells[0]), .resistance = read(cells[1])}, row});
    }
    return checked(readings, numbers);
}

std::vector<WennerReading> readReadingsFile(const QString& path, const NumberText& numbers) {
    const auto failure = [&path](const QString& reason) { return ReadingsError(path, reason); };
    const SmallFile file =
        SmallFile::read(path, kMaxReadingsFileSize, QStringLiteral("таблица замеров"));
    if (!file.failure.isEmpty())
        throw failure(file.failure);
    try {
        return readReadingsText(QString::fromUtf8(file.bytes), numbers);
    } catch (const ReadingsError& e) {
        throw failure(e.reason());
    }
}
