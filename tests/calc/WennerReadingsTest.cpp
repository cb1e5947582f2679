// Wenner readings from pasted text, CSV files and typed rows: what reads, and the message for
// what does not.
#include "calc/WennerReadings.h"
#include "base/NumberText.h"
#include "calc/ReadingsError.h"
#include "tests/support/QtPrinters.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

const NumberText comma(QLatin1Char(','));

using Readings = std::vector<WennerReading>;

template <class Read> QString messageOf(Read&& read) {
    try {
        read();
    } catch (const ReadingsError& e) {
        return e.message();
    }
    return QStringLiteral("(read)");
}

QString rows(int count) {
    QString text;
    for (int i = 1; i <= count; ++i)
        text += QStringLiteral("%1\t10\n").arg(i);
    return text;
}

TEST(WennerReadings, TextThatReads) {
    const struct {
        const char* text;
        Readings expected;
    } cases[] = {
        {"1,5\t20\n3\t8,5\n", {{1.5, 20}, {3, 8.5}}},
        {"a, м;R, Ом\r\n1.5;20\r\n3;8.5\r\n", {{1.5, 20}, {3, 8.5}}},
        {"  1.5   20  \n\n \t \n  3 8,5", {{1.5, 20}, {3, 8.5}}},
        {"\"1,5\";\"20\";;\n3;8,5;", {{1.5, 20}, {3, 8.5}}},
        {"\xEF\xBB\xBF"
         "1e1 2E-1\r3 8,5",
         {{10, 0.2}, {3, 8.5}}},
        {"Разнос, м\tСопротивление, Ом\n2\t50\n", {{2, 50}}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(readReadingsText(QString::fromUtf8(c.text), comma), c.expected) << c.text;
}

TEST(WennerReadings, TextThatDoesNotRead) {
    const struct {
        QString text;
        const char* message;
    } cases[] = {
        {"", "Нет ни одного замера"},
        {"Разнос\tR\n", "Нет ни одного замера"},
        {"1,5\t20\n3\tabc", "Строка 2: «abc» — не число"},
        {"1,5\t20\t7", "Строка 1: нужны два числа, разнос a и показание R (значений в строке: 3)"},
        {"\n1,5\n", "Строка 2: нужны два числа, разнос a и показание R (значений в строке: 1)"},
        {"1,5\t20\n1.5\t30", "Строка 2: разнос a = 1,5 м уже есть в строке 1"},
        {"0\t20", "Строка 1: разнос a должен быть больше нуля"},
        {"2\t-1", "Строка 1: показание R должно быть больше нуля"},
        {"1e300\t5", "Строка 1: разнос a = 1E300 м вне пределов от 0,01 до 10000 м"},
        {"2\t1e7", "Строка 1: показание R = 10000000 Ом вне пределов от 1E-6 до 1000000 Ом"},
        {"1,234.5\t2", "Строка 1: «1,234.5» — не число"},
        {"1\t1e400", "Строка 1: «1e400» — не число"},
        {"1\t" + QString(100, QLatin1Char('x')),
         "Строка 1: «xxxxxxxxxxxxxxxxxxxxxxxx…» — не число"},
        {"Замеры сопротивления грунта\nпроведены 12 мая на участке",
         "Строка 2: нужны два числа, разнос a и показание R (значений в строке: 5)"},
        {rows(51), "Замеров больше 50, а таблица вмещает не больше 50"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(messageOf([&] { readReadingsText(c.text, comma); }), QString::fromUtf8(c.message))
            << c.text.left(60).toStdString();
    EXPECT_EQ(readReadingsText(rows(50), comma).size(), 50u);
}

// A typed table as the calculation reads it, and the rows that read on their own (whose ρкаж the
// table shows even while another row is at fault).
TEST(WennerReadings, TypedRows) {
    using Rows = QList<ReadingRowTexts>;
    const struct {
        Rows rows;
        Readings expected;
        const char* message;
        std::vector<bool> readable;
    } cases[] = {
        {{{"1,5", "20"}, {"", " "}, {"3", "8,5"}}, {{1.5, 20}, {3, 8.5}}, nullptr, {1, 0, 1}},
        {{{"1,5", ""}}, {}, "Строка 1: не указано показание R", {0}},
        {{{"", ""}, {"", "20"}}, {}, "Строка 2: не указан разнос a", {0, 0}},
        {{{"1.5", "20"}}, {}, "Строка 1: «1.5» — не число", {0}},
        {{{"", ""}}, {}, "Нет ни одного замера", {0}},
        {{{"1,5", "20"}, {"", ""}, {"1,50", "9"}},
         {},
         "Строка 3: разнос a = 1,5 м уже есть в строке 1",
         {1, 0, 1}},
    };
    for (const auto& c : cases) {
        if (c.message)
            EXPECT_EQ(messageOf([&] { readTableRows(c.rows, comma); }),
                      QString::fromUtf8(c.message));
        else
            EXPECT_EQ(readTableRows(c.rows, comma), c.expected);
        std::vector<bool> readable;
        for (const std::optional<WennerReading>& r : readableRows(c.rows, comma))
            readable.push_back(r.has_value());
        EXPECT_EQ(readable, c.readable);
    }
}

TEST(WennerReadings, CheckedValues) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const struct {
        Readings readings;
        const char* message;
    } cases[] = {
        {{{1, 10}, {2, 10}}, "(read)"},
        {{}, "Нет ни одного замера"},
        {{{1, 10}, {nan, 10}}, "Строка 2: разнос a — не число"},
        {{{1, std::numeric_limits<double>::infinity()}}, "Строка 1: показание R — не число"},
        {{{0.001, 10}}, "Строка 1: разнос a = 0,001 м вне пределов от 0,01 до 10000 м"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(messageOf([&] { checkReadings(c.readings, comma); }),
                  QString::fromUtf8(c.message));
}

TEST(WennerReadings, Files) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const auto file = [&dir](const char* name, const QByteArray& content) {
        const QString path = dir.filePath(QString::fromLatin1(name));
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(content);
        return path;
    };
    const QString good = file("good.csv", "a, м;R, Ом\n1,5;20\n3;8,5\n");
    EXPECT_EQ(readReadingsFile(good, comma), (Readings{{1.5, 20}, {3, 8.5}}));

    const struct {
        QString path;
        QString reason;
    } cases[] = {
        {file("bad.csv", "1,5;20\n3;x\n"), "строка 2: «x» — не число"},
        {file("large.csv", QByteArray(10 * 1024 * 1024, '1')),
         "файл слишком велик (10485760 байт): таблица замеров не бывает больше 1 МиБ"},
        {dir.filePath("missing.csv"), "файл не найден"},
        {dir.path(), "это не файл"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(
            messageOf([&] { readReadingsFile(c.path, comma); }),
            QStringLiteral("Не удалось прочитать замеры из файла «%1»: %2").arg(c.path, c.reason));
}

} // namespace
