// Wenner readings from what the engineer types, pastes or imports, and the checks they pass.
#pragma once

#include "design/MeasuredSoil.h"

#include <QList>
#include <QString>
#include <QtGlobal>
#include <optional>
#include <span>
#include <vector>

class NumberText;

// The range of a believable spacing, m, and of a believable reading, Ohm; a value beyond it is a
// slip of the hand, and ρкаж = 2πaR of values within it is always a finite number.
inline constexpr double kMinSpacing = 0.01;
inline constexpr double kMaxSpacing = 10000.0;
inline constexpr double kMinResistance = 1e-6;
inline constexpr double kMaxResistance = 1e6;
// The largest file of readings that is read; a larger one is refused unread.
inline constexpr qint64 kMaxReadingsFileSize = 1024 * 1024;

// Checks readings in table order: 1 to 50 of them, each spacing and reading positive and within
// its range, no spacing twice. Throws ReadingsError naming the first row at fault (counted from 1).
// numbers writes the values that messages quote.
void checkReadings(std::span<const WennerReading> readings, const NumberText& numbers);

// The rows of the table as typed, read with numbers' decimal separator, then checked as above.
// A row with both cells empty is passed over; rows keep their numbers in the table for messages.
std::vector<WennerReading> readTableRows(const QList<ReadingRowTexts>& rows,
                                         const NumberText& numbers);

// Each row's reading where both its numbers read and pass the checks above on their own, else
// none (a row being typed, or at fault): the rows whose ρкаж the table shows and the plot draws.
std::vector<std::optional<WennerReading>> readableRows(const QList<ReadingRowTexts>& rows,
                                                       const NumberText& numbers);

// The table read once: each row's reading as readableRows gives it, and the readings of the whole
// table as readTableRows gives them, or why the table does not read (the message of its
// ReadingsError).
struct TableReadings {
    std::vector<std::optional<WennerReading>> rows;
    std::vector<WennerReading> readings;
    std::optional<QString> problem;
};
TableReadings readTable(const QList<ReadingRowTexts>& rows, const NumberText& numbers);

// Readings pasted from a spreadsheet or held by a CSV file, one a line: the spacing a and the
// reading R, separated by tabs or semicolons when the line has any, else by blanks; each number
// with "," or "." as its decimal mark. Empty lines, and empty cells after the two numbers, are
// passed over. The first line that is not empty is a header and passed over too when none of its
// cells reads as a number and it holds a character that no number has (a letter, say). Messages
// name a row by its line in the text (counted from 1). Throws ReadingsError at the first fault;
// returns checked readings.
std::vector<WennerReading> readReadingsText(const QString& text, const NumberText& numbers);

// The readings of a CSV file in UTF-8, read as readReadingsText; a file over 1 MiB is refused.
// Throws ReadingsError that names the file.
std::vector<WennerReading> readReadingsFile(const QString& path, const NumberText& numbers);
