// The equipment schedule as a spreadsheet, read back with openpyxl as a spreadsheet program reads
// it.
#include "documents/EquipmentScheduleXlsx.h"
#include "documents/EquipmentScheduleXlsxError.h"

#include "tests/support/QtPrinters.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <numbers>

namespace {

const NumberText numbers(QLatin1Char(','));

// A cell as read: its text, or its number (to 1e-9) with its number format.
QString t(const QString& text) {
    return text;
}
QString n(double number, const char* format) {
    return QStringLiteral("%1 [%2]").arg(number, 0, 'f', 9).arg(QString::fromUtf8(format));
}
std::vector<QStringList> cells(const QJsonArray& rows) {
    std::vector<QStringList> read;
    for (const QJsonValue& row : rows) {
        QStringList line;
        for (const QJsonValue& v : row.toArray()) {
            const QJsonObject cell = v.toObject();
            line << (cell.contains(QStringLiteral("number"))
                         ? n(cell[QStringLiteral("number")].toDouble(),
                             cell[QStringLiteral("format")].toString().toUtf8().constData())
                         : cell[QStringLiteral("text")].toString());
        }
        read.push_back(line);
    }
    return read;
}

// What the file at path holds, as openpyxl reads it.
QJsonObject readBack(const QString& path) {
    QProcess python;
    python.start(QStringLiteral(KORVELA_PYTHON), {QStringLiteral(KORVELA_XLSX_CELLS), path});
    python.waitForFinished(60000);
    EXPECT_EQ(python.exitCode(), 0) << python.readAllStandardError().toStdString();
    return QJsonDocument::fromJson(python.readAllStandardOutput()).object();
}

DesignState design(ElectrodeMaterial material, int size, double length, double count,
                   double strip) {
    DesignState s;
    s.ElectrodeArrangement = ElectrodeArrangement::Row;
    s.ElectrodeMaterial = material;
    s.AngleFlangeWidthMm = size;
    if (material == ElectrodeMaterial::RoundSection)
        s.RoundDiameterMm = size;
    s.StripWidthMm = 40;
    s.VerticalLength = length;
    s.RefinedCount = count;
    s.RefinedHorizontalLength = strip;
    return s;
}

TEST(EquipmentScheduleXlsx, ReadsBackWithTheFormsColumnsAndNumbersAsNumbers) {
    const QString none;
    // π·16²/4 mm² × 7850 kg/m³ × 2.5 m = 3.94584 kg.
    const double roundMass = std::numbers::pi * 16 * 16 / 4 * 7850e-6 * 2.5;
    const struct {
        const char* name;
        DesignState state;
        std::vector<QStringList> rows; // after the header
    } cases[] = {
        // 5·(2·50 − 5) = 475 mm² → 3.72875 kg/m, × 3 m = 11.18625 kg; 160 mm² → 1.256 kg/m;
        // 10·11.18625 + 27·1.256 = 145.7745 kg.
        {"angle",
         design(ElectrodeMaterial::Angle, 50, 3, 10, 27),
         {{n(1, "0"), t("Уголок стальной 50×50×5, L = 3 м"), t("ГОСТ 8509-93"), none, none, t("шт"),
           n(10, "0"), n(11.18625, "0.00"), none},
          {n(2, "0"), t("Полоса стальная 40×4"), t("ГОСТ 103-2006"), none, none, t("м"),
           n(27, "0.00"), n(1.256, "0.00"), none},
          {none, t("Итого масса стали"), none, none, none, none, none, none,
           n(145.7745, "0.00\" кг\"")}}},
        // Four round electrodes, no strip.
        {"round, no strip",
         design(ElectrodeMaterial::RoundSection, 16, 2.5, 4, 0),
         {{n(1, "0"), t("Круг стальной ⌀16, L = 2,5 м"), t("ГОСТ 2590-2006"), none, none, t("шт"),
           n(4, "0"), n(roundMass, "0.00"), none},
          {none, t("Итого масса стали"), none, none, none, none, none, none,
           n(4 * roundMass, "0.00\" кг\"")}}},
        {"nothing calculated", DesignState{}, {}},
    };
    QTemporaryDir folder;
    for (const auto& c : cases) {
        const QString path = folder.filePath(QString::fromUtf8(c.name) + QStringLiteral(".xlsx"));
        saveEquipmentScheduleXlsx(path, equipmentSchedule(billOfMaterials(c.state, {}), numbers));
        const QJsonObject book = readBack(path);
        EXPECT_EQ(book[QStringLiteral("sheets")].toArray(),
                  QJsonArray{QStringLiteral("Спецификация")})
            << c.name;
        std::vector<QStringList> rows{equipmentScheduleColumns()};
        rows.insert(rows.end(), c.rows.begin(), c.rows.end());
        EXPECT_EQ(cells(book[QStringLiteral("rows")].toArray()), rows) << c.name;
    }
}

TEST(EquipmentScheduleXlsx, TextsKeepWhatXmlCanHold) {
    const QString quoted = QStringLiteral("ООО \"Заземление\" \\ <ГОСТ> & {Р}");
    const QString longText(10000, QChar(u'Ж'));
    const struct {
        const char* name;
        QString typed;
        QString kept;
    } cases[] = {
        {"quotes, backslash, markup", quoted, quoted},
        {"10 000 characters", longText, longText},
        {"control characters",
         QStringLiteral("a\x01\x1b[0mb\tc\nd\re") + QChar(0xFFFE) + QChar(0xD800),
         QStringLiteral("a[0mb\tc\nde")},
        {"beyond the first plane", QStringLiteral("𝔸 ⌀16"), QStringLiteral("𝔸 ⌀16")},
        {"beyond a cell", QString(40000, QChar(u'й')), QString(32767, QChar(u'й'))},
    };
    QTemporaryDir folder;
    for (const auto& c : cases) {
        EquipmentSchedule schedule;
        EquipmentScheduleRow row;
        row.position = QStringLiteral("1");
        row.name = c.typed;
        row.unit = QStringLiteral("шт");
        row.note = c.typed;
        schedule.rows.push_back(row);
        ProjectData project;
        project.object = c.typed;
        project.developer = c.typed;
        const QString path = folder.filePath(QStringLiteral("text.xlsx"));
        saveEquipmentScheduleXlsx(path, schedule, project);
        const QJsonObject book = readBack(path);
        const QJsonArray first = book[QStringLiteral("rows")].toArray()[1].toArray();
        EXPECT_EQ(first[1].toObject()[QStringLiteral("text")].toString(), c.kept) << c.name;
        EXPECT_EQ(first[8].toObject()[QStringLiteral("text")].toString(), c.kept) << c.name;
        EXPECT_EQ(book[QStringLiteral("subject")].toString(), c.kept) << c.name;
        EXPECT_EQ(book[QStringLiteral("author")].toString(), c.kept) << c.name;
    }
}

TEST(EquipmentScheduleXlsx, FailureNamesTheFileAndLeavesNothingHalfWritten) {
    QTemporaryDir folder;
    QDir(folder.path()).mkdir(QStringLiteral("папка.xlsx"));
    const EquipmentSchedule schedule = equipmentSchedule(
        billOfMaterials(design(ElectrodeMaterial::Angle, 50, 3, 10, 27), {}), numbers);
    const struct {
        const char* name;
        QString path;
        QString reason;
    } cases[] = {
        {"no such folder", folder.filePath(QStringLiteral("нет/спецификация.xlsx")),
         QStringLiteral("папка не найдена")},
        {"a folder in its place", folder.filePath(QStringLiteral("папка.xlsx")),
         QStringLiteral("это папка")},
    };
    for (const auto& c : cases) {
        const QStringList before = QDir(folder.path()).entryList(QDir::AllEntries | QDir::Hidden);
        try {
            saveEquipmentScheduleXlsx(c.path, schedule);
            ADD_FAILURE() << c.name << ": saved";
        } catch (const EquipmentScheduleXlsxError& e) {
            EXPECT_EQ(e.message(),
                      QStringLiteral("Не удалось сохранить файл «%1»: %2").arg(c.path, c.reason))
                << c.name;
        }
        EXPECT_EQ(QDir(folder.path()).entryList(QDir::AllEntries | QDir::Hidden), before) << c.name;
    }
    // A file saved again is replaced whole, with no part left beside it.
    const QString path = folder.filePath(QStringLiteral("спецификация.xlsx"));
    saveEquipmentScheduleXlsx(path, EquipmentSchedule{});
    saveEquipmentScheduleXlsx(path, schedule);
    EXPECT_EQ(readBack(path)[QStringLiteral("rows")].toArray().size(), 4);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("спецификация.xlsx")});
}

} // namespace
