#include "design/DesignFile.h"

#include "base/Errors.h"
#include "base/InputCharacters.h"
#include "tables/ClimaticTable.h"
#include "tables/ListItems.h"
#include "tables/NormalizedResistanceTable.h"
#include "tables/SoilTable.h"
#include "tables/UtilizationTable.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QJsonValue>
#include <QSaveFile>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <span>
#include <vector>

namespace {

const QString kFormat = QStringLiteral("korvela-design");
constexpr int kVersion = 1;
// The longest text an edit box or an editable list box holds.
constexpr qsizetype kMaxText = 32767;
constexpr int kZones = 4;

[[noreturn]] void fail(const QString& reason) {
    throw DesignFileError(reason);
}

QString quoted(const QString& text) {
    constexpr qsizetype kShown = 40;
    return QStringLiteral("«%1»").arg(text.size() > kShown ? text.left(kShown) + u'…' : text);
}

QString field(const QString& path) {
    return QStringLiteral("«%1»").arg(path);
}

void checkRange(const QString& path, double value, int lowest, int highest) {
    if (value < lowest || value > highest)
        fail(QStringLiteral("значение поля %1 вне допустимых пределов: %2 (допустимо от %3 до %4)")
                 .arg(field(path), QString::number(value, 'g', 17))
                 .arg(lowest)
                 .arg(highest));
}

// ---- The notation of the edit boxes' numbers

// "." for the decimal separator, "," for the other character that the boxes take.
QString toFileNotation(const QString& text, QChar separator) {
    QString out = text;
    for (QChar& c : out) {
        if (c == separator)
            c = u'.';
        else if (c == u'.' || c == u',')
            c = u',';
    }
    return out;
}

QString toWindowNotation(const QString& text, QChar separator) {
    const QChar other = separator == u',' ? QChar(u'.') : QChar(u',');
    QString out = text;
    for (QChar& c : out) {
        if (c == u'.')
            c = separator;
        else if (c == u',')
            c = other;
    }
    return out;
}

// ---- The checks, shared by opening and saving

void checkFreeText(const QString& path, const QString& text) {
    if (text.size() > kMaxText)
        fail(QStringLiteral("текст поля %1 длиннее %2 знаков").arg(field(path)).arg(kMaxText));
    if (!QStringView(text).isValidUtf16())
        fail(QStringLiteral("текст поля %1 повреждён").arg(field(path)));
    for (QChar c : text) {
        if (c.category() == QChar::Other_Control)
            fail(QStringLiteral("текст поля %1 содержит управляющие знаки").arg(field(path)));
    }
}

// An edit box's text, in the file's notation.
void checkEditText(const QString& path, const QString& text, bool digitsOnly) {
    const QString& accepted = digitsOnly ? kDigitCharacters : kDecimalCharacters;
    if (text.size() > kMaxText)
        fail(QStringLiteral("текст поля %1 длиннее %2 знаков").arg(field(path)).arg(kMaxText));
    for (QChar c : text) {
        if (!accepted.contains(c))
            fail(QStringLiteral("поле %1 содержит %2, а в это поле вводятся только %3")
                     .arg(field(path), quoted(text),
                          digitsOnly ? QStringLiteral("цифры")
                                     : QStringLiteral("цифры, «.» и «,»")));
    }
}

// An editable list box: its position is the position of its text among the items, none when
// the text is no item.
void checkListBox(const QString& path, const ListBoxState& box,
                  std::span<const char16_t* const> items) {
    checkFreeText(path + QStringLiteral(".text"), box.text);
    const int count = static_cast<int>(items.size());
    if (box.position != -1)
        checkRange(path + QStringLiteral(".position"), box.position, 0, count - 1);
    if (box.position >= 0) {
        const QString item = QString::fromUtf16(items[static_cast<std::size_t>(box.position)]);
        if (item != box.text)
            fail(QStringLiteral("в поле %1 позиция %2 — это пункт %3, а не %4")
                     .arg(field(path))
                     .arg(box.position)
                     .arg(quoted(item), quoted(box.text)));
        return;
    }
    for (int i = 0; i < count; ++i) {
        if (QString::fromUtf16(items[static_cast<std::size_t>(i)]) == box.text)
            fail(QStringLiteral("в поле %1 текст %2 — это пункт списка с позицией %3, а позиция "
                                "не указана")
                     .arg(field(path), quoted(box.text))
                     .arg(i));
    }
}

// A display label: empty, or a number that a reference dialog wrote.
void checkLabel(const QString& path, std::optional<double> value, bool whole) {
    if (!value)
        return;
    const double v = *value;
    const bool ok =
        std::isfinite(v) && !std::signbit(v) &&
        (!whole || (v == std::floor(v) && v <= std::numeric_limits<std::int32_t>::max()));
    if (!ok)
        fail(QStringLiteral("поле %1 должно быть %2 или null")
                 .arg(field(path), whole ? QStringLiteral("целым неотрицательным числом")
                                         : QStringLiteral("неотрицательным числом")));
}

void checkZone(const QString& path, std::optional<int> zone) {
    if (zone)
        checkRange(path, *zone, 0, kZones - 1);
}

bool inCells(double value, const std::vector<double>& cells) {
    return value == 0.0 || std::ranges::find(cells, value) != cells.end();
}

// A dialog that looks a value up by two lists, with the cells of its table row by row.
void checkTwoList(const QString& path, const TwoListDialogState& d,
                  const std::vector<std::vector<double>>& rows) {
    checkFreeText(path + QStringLiteral(".firstText"), d.firstText);
    checkFreeText(path + QStringLiteral(".secondText"), d.secondText);
    const int rowCount = static_cast<int>(rows.size());
    if (d.rememberedRow)
        checkRange(path + QStringLiteral(".rememberedRow"), *d.rememberedRow, 0, rowCount - 1);
    std::vector<double> cells;
    for (const auto& row : rows)
        cells.insert(cells.end(), row.begin(), row.end());
    if (!std::isfinite(d.value) || !inCells(d.value, cells))
        fail(QStringLiteral("значения %1 поля %2 нет в таблице этого окна")
                 .arg(QString::number(d.value), field(path + QStringLiteral(".value"))));
    // The value comes from the row that a confirmation loaded, and only an enabled OK confirms.
    if (d.value != 0.0 && !d.rememberedRow)
        fail(QStringLiteral("поле %1 не равно 0, а строка таблицы не запомнена")
                 .arg(field(path + QStringLiteral(".value"))));
    if (d.rememberedRow && !d.okEnabled)
        fail(QStringLiteral("строка таблицы запомнена, а кнопка OK не разрешена (поле %1)")
                 .arg(field(path + QStringLiteral(".okEnabled"))));
}

// A climatic coefficient dialog; withType for the one that also picks the electrode type.
void checkZoneDialog(const QString& path, const ZoneDialogState& d, bool withType) {
    checkZone(path + QStringLiteral(".selectedZone"), d.selectedZone);
    checkZone(path + QStringLiteral(".rememberedZone"), d.rememberedZone);
    if (withType) {
        checkFreeText(path + QStringLiteral(".typeText"), d.typeText);
    } else if (!d.typeText.isEmpty() || d.vertical != 0.0) {
        fail(QStringLiteral("у окна %1 нет типа электродов").arg(field(path)));
    }
    const double horizontal =
        d.rememberedZone ? kClimaticZones[static_cast<std::size_t>(*d.rememberedZone)].horizontal
                         : 0.0;
    if (d.horizontal != horizontal)
        fail(QStringLiteral("поле %1 должно быть равно %2, коэффициенту запомненной зоны")
                 .arg(field(path + QStringLiteral(".horizontal")), QString::number(horizontal)));
    std::vector<double> verticals;
    for (const ZoneCoefficients& z : kClimaticZones) {
        verticals.push_back(z.verticalType1);
        verticals.push_back(z.verticalType2);
    }
    if (!std::isfinite(d.vertical) || !inCells(d.vertical, verticals))
        fail(QStringLiteral("значения %1 поля %2 нет в таблице этого окна")
                 .arg(QString::number(d.vertical), field(path + QStringLiteral(".vertical"))));
    if (d.vertical != 0.0 && !d.rememberedZone)
        fail(QStringLiteral("поле %1 не равно 0, а зона не запомнена")
                 .arg(field(path + QStringLiteral(".vertical"))));
    // A zone button, once selected, cannot be cleared; OK is enabled only while one is selected,
    // and only OK loads a zone.
    if (d.okEnabled && !d.selectedZone)
        fail(QStringLiteral("кнопка OK разрешена, а зона не выбрана (поле %1)")
                 .arg(field(path + QStringLiteral(".selectedZone"))));
    if (d.rememberedZone && !d.okEnabled)
        fail(QStringLiteral("зона запомнена, а кнопка OK не разрешена (поле %1)")
                 .arg(field(path + QStringLiteral(".okEnabled"))));
}

std::vector<std::vector<double>> cellsOf(const UtilizationTable& table) {
    return {table.rows.begin(), table.rows.end()};
}

std::vector<std::vector<double>> normalizedResistanceCells() {
    std::vector<std::vector<double>> rows;
    for (const auto& row : kNormalizedResistances)
        rows.emplace_back(row.begin(), row.end());
    return rows;
}

// The five display labels, by name, as numbers.
struct Labels {
    std::optional<double> Label29, Label28, Label27, Label16, Label26;
};

// Everything that is checked, on the design as the file holds it: the edit boxes in the file's
// notation, the labels as numbers.
void checkDesign(const DesignSnapshot& s, const Labels& labels) {
    const WizardState& w = s.wizard;
    std::vector<const char16_t*> soils;
    for (const Soil& soil : kSoils)
        soils.push_back(soil.item);
    checkListBox(QStringLiteral("wizard.upperSoil"), w.upperSoil, soils);
    checkListBox(QStringLiteral("wizard.lowerSoil"), w.lowerSoil, soils);
    checkListBox(QStringLiteral("wizard.arrangement"), w.arrangement, kArrangementItems);
    checkListBox(QStringLiteral("wizard.material"), w.material, kMaterialItems);
    checkEditText(QStringLiteral("wizard.Edit5"), w.Edit5, false);
    checkEditText(QStringLiteral("wizard.Edit6"), w.Edit6, false);
    checkEditText(QStringLiteral("wizard.Edit8"), w.Edit8, true);
    checkEditText(QStringLiteral("wizard.Edit9"), w.Edit9, false);
    checkEditText(QStringLiteral("wizard.Edit10"), w.Edit10, true);
    checkEditText(QStringLiteral("wizard.Edit11"), w.Edit11, false);
    checkLabel(QStringLiteral("wizard.Label29"), labels.Label29, false);
    checkLabel(QStringLiteral("wizard.Label28"), labels.Label28, false);
    checkLabel(QStringLiteral("wizard.Label27"), labels.Label27, true);
    checkLabel(QStringLiteral("wizard.Label16"), labels.Label16, false);
    checkLabel(QStringLiteral("wizard.Label26"), labels.Label26, false);
    checkRange(QStringLiteral("wizard.page"), w.page, 0, 2);
    checkTwoList(QStringLiteral("dialogs.Form2"), s.Form2, cellsOf(kVerticalRowTable));
    checkTwoList(QStringLiteral("dialogs.Form3"), s.Form3, cellsOf(kStripRowTable));
    checkTwoList(QStringLiteral("dialogs.Form4"), s.Form4, cellsOf(kVerticalContourTable));
    checkTwoList(QStringLiteral("dialogs.Form5"), s.Form5, cellsOf(kStripContourTable));
    checkTwoList(QStringLiteral("dialogs.Form6"), s.Form6, normalizedResistanceCells());
    checkZoneDialog(QStringLiteral("dialogs.Form7"), s.Form7, true);
    checkZoneDialog(QStringLiteral("dialogs.Form8"), s.Form8, false);
}

// ---- Writing

class JsonWriter {
public:
    JsonWriter() { m_out += '{'; }

    void begin(const char* key) {
        name(key);
        m_out += '{';
        ++m_depth;
        m_first = true;
    }
    void end() {
        --m_depth;
        newline(m_depth);
        m_out += '}';
        m_first = false;
    }
    void string(const char* key, const QString& text) {
        name(key);
        QString escaped;
        for (QChar c : text) {
            if (c == u'"' || c == u'\\')
                escaped += u'\\';
            if (c.unicode() < 0x20)
                escaped += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
            else
                escaped += c;
        }
        m_out += '"';
        m_out += escaped.toUtf8();
        m_out += '"';
    }
    void boolean(const char* key, bool value) {
        name(key);
        m_out += value ? "true" : "false";
    }
    void number(const char* key, double value) {
        name(key);
        m_out += QByteArray::number(value, 'g', QLocale::FloatingPointShortest);
    }
    void number(const char* key, std::optional<double> value) {
        if (value)
            number(key, *value);
        else
            null(key);
    }
    void whole(const char* key, std::optional<int> value) {
        name(key);
        m_out += value ? QByteArray::number(*value) : QByteArray("null");
    }
    void null(const char* key) {
        name(key);
        m_out += "null";
    }
    QByteArray finish() {
        newline(0);
        m_out += "}\n";
        return m_out;
    }

private:
    void name(const char* key) {
        if (!m_first)
            m_out += ',';
        m_first = false;
        newline(m_depth);
        m_out += '"';
        m_out += key;
        m_out += "\": ";
    }
    void newline(int depth) {
        m_out += '\n';
        m_out += QByteArray(4 * depth, ' ');
    }

    QByteArray m_out;
    int m_depth = 1; // the members of the document stand one level in
    bool m_first = true;
};

void writeListBox(JsonWriter& out, const char* key, const ListBoxState& box) {
    out.begin(key);
    out.whole("position", box.position >= 0 ? std::optional<int>(box.position) : std::nullopt);
    out.string("text", box.text);
    out.end();
}

void writeTwoList(JsonWriter& out, const char* key, const TwoListDialogState& d) {
    out.begin(key);
    out.string("firstText", d.firstText);
    out.string("secondText", d.secondText);
    out.whole("rememberedRow", d.rememberedRow);
    out.number("value", d.value);
    out.boolean("okEnabled", d.okEnabled);
    out.end();
}

void writeZoneDialog(JsonWriter& out, const char* key, const ZoneDialogState& d, bool withType) {
    out.begin(key);
    out.whole("selectedZone", d.selectedZone);
    if (withType)
        out.string("typeText", d.typeText);
    out.whole("rememberedZone", d.rememberedZone);
    if (withType)
        out.number("vertical", d.vertical);
    out.number("horizontal", d.horizontal);
    out.boolean("okEnabled", d.okEnabled);
    out.end();
}

// A label's text as the number a dialog wrote; none when empty.
std::optional<double> labelValue(const char* name, const QString& text, const NumberText& numbers) {
    if (text.isEmpty())
        return std::nullopt;
    std::optional<double> value;
    try {
        value = numbers.readDecimal(text);
    } catch (const ConversionError&) {
    }
    if (!value || numbers.general(*value) != text)
        fail(QStringLiteral("надпись %1 содержит %2, а не число, записанное окном справочника")
                 .arg(QString::fromLatin1(name), quoted(text)));
    return value;
}

// ---- Reading

class JsonReader {
public:
    JsonReader(const QJsonObject& object, QString path, std::initializer_list<const char*> keys)
        : m_object(object), m_path(std::move(path)) {
        QStringList known;
        for (const char* key : keys)
            known << QString::fromLatin1(key);
        for (auto it = object.begin(); it != object.end(); ++it) {
            if (!known.contains(it.key()))
                fail(QStringLiteral("в файле есть неизвестное поле %1")
                         .arg(field(pathOf(it.key()))));
        }
    }

    QString pathOf(const QString& key) const {
        return m_path.isEmpty() ? key : m_path + u'.' + key;
    }

    JsonReader object(const char* key, std::initializer_list<const char*> keys) const {
        const QJsonValue v = value(key);
        if (!v.isObject())
            wrongType(key, QStringLiteral("объектом"));
        return JsonReader(v.toObject(), pathOf(QString::fromLatin1(key)), keys);
    }
    QString string(const char* key) const {
        const QJsonValue v = value(key);
        if (!v.isString())
            wrongType(key, QStringLiteral("строкой"));
        return v.toString();
    }
    bool boolean(const char* key) const {
        const QJsonValue v = value(key);
        if (!v.isBool())
            wrongType(key, QStringLiteral("логическим значением (true или false)"));
        return v.toBool();
    }
    double number(const char* key) const {
        const QJsonValue v = value(key);
        if (!v.isDouble())
            wrongType(key, QStringLiteral("числом"));
        return v.toDouble();
    }
    std::optional<double> optionalNumber(const char* key) const {
        const QJsonValue v = value(key);
        if (v.isNull())
            return std::nullopt;
        if (!v.isDouble())
            wrongType(key, QStringLiteral("числом или null"));
        return v.toDouble();
    }
    // A whole number from lowest to highest, or none for null.
    std::optional<int> optionalWhole(const char* key, int lowest, int highest) const {
        const QJsonValue v = value(key);
        if (v.isNull())
            return std::nullopt;
        return whole(key, lowest, highest);
    }
    int whole(const char* key, int lowest, int highest) const {
        const QJsonValue v = value(key);
        const double d = v.toDouble();
        if (!v.isDouble() || d != std::floor(d))
            wrongType(key, QStringLiteral("целым числом"));
        checkRange(pathOf(QString::fromLatin1(key)), d, lowest, highest);
        return static_cast<int>(d);
    }

private:
    QJsonValue value(const char* key) const {
        const QJsonValue v = m_object.value(QLatin1String(key));
        if (v.isUndefined())
            fail(
                QStringLiteral("в файле нет поля %1").arg(field(pathOf(QString::fromLatin1(key)))));
        return v;
    }
    [[noreturn]] void wrongType(const char* key, const QString& kind) const {
        fail(QStringLiteral("поле %1 должно быть %2")
                 .arg(field(pathOf(QString::fromLatin1(key))), kind));
    }

    QJsonObject m_object;
    QString m_path;
};

ListBoxState readListBox(const JsonReader& parent, const char* key, int items) {
    const JsonReader r = parent.object(key, {"position", "text"});
    ListBoxState box;
    box.position = r.optionalWhole("position", 0, items - 1).value_or(-1);
    box.text = r.string("text");
    return box;
}

TwoListDialogState readTwoList(const JsonReader& parent, const char* key, int rows) {
    const JsonReader r =
        parent.object(key, {"firstText", "secondText", "rememberedRow", "value", "okEnabled"});
    TwoListDialogState d;
    d.firstText = r.string("firstText");
    d.secondText = r.string("secondText");
    d.rememberedRow = r.optionalWhole("rememberedRow", 0, rows - 1);
    d.value = r.number("value") + 0.0; // no negative zero
    d.okEnabled = r.boolean("okEnabled");
    return d;
}

ZoneDialogState readZoneDialog(const JsonReader& parent, const char* key, bool withType) {
    const JsonReader r =
        withType
            ? parent.object(key, {"selectedZone", "typeText", "rememberedZone", "vertical",
                                  "horizontal", "okEnabled"})
            : parent.object(key, {"selectedZone", "rememberedZone", "horizontal", "okEnabled"});
    ZoneDialogState d;
    d.selectedZone = r.optionalWhole("selectedZone", 0, kZones - 1);
    if (withType)
        d.typeText = r.string("typeText");
    d.rememberedZone = r.optionalWhole("rememberedZone", 0, kZones - 1);
    if (withType)
        d.vertical = r.number("vertical") + 0.0;
    d.horizontal = r.number("horizontal") + 0.0;
    d.okEnabled = r.boolean("okEnabled");
    return d;
}

QString parseFailure(const QByteArray& document, const QJsonParseError& error) {
    const qsizetype offset = std::clamp<qsizetype>(error.offset, 0, document.size());
    const QByteArray before = document.left(offset);
    const qsizetype line = before.count('\n') + 1;
    const qsizetype column = offset - (before.lastIndexOf('\n') + 1) + 1;
    return QStringLiteral("это не текст JSON (ошибка в строке %1, столбце %2)")
        .arg(line)
        .arg(column);
}

} // namespace

QByteArray DesignFile::toJson(const DesignSnapshot& design, const NumberText& numbers) {
    const QChar sep = numbers.separator();
    DesignSnapshot s = design;
    WizardState& w = s.wizard;
    for (QString* edit : {&w.Edit5, &w.Edit6, &w.Edit9, &w.Edit11})
        *edit = toFileNotation(*edit, sep);
    Labels labels;
    labels.Label29 = labelValue("Label29", w.Label29, numbers);
    labels.Label28 = labelValue("Label28", w.Label28, numbers);
    labels.Label27 = labelValue("Label27", w.Label27, numbers);
    labels.Label16 = labelValue("Label16", w.Label16, numbers);
    labels.Label26 = labelValue("Label26", w.Label26, numbers);
    checkDesign(s, labels);

    JsonWriter out;
    out.string("format", kFormat);
    out.whole("version", kVersion);
    out.begin("wizard");
    writeListBox(out, "upperSoil", w.upperSoil);
    writeListBox(out, "lowerSoil", w.lowerSoil);
    out.number("Label29", labels.Label29);
    out.number("Label28", labels.Label28);
    out.string("Edit5", w.Edit5);
    out.string("Edit6", w.Edit6);
    out.number("Label27", labels.Label27);
    out.boolean("button1Enabled", w.button1Enabled);
    writeListBox(out, "arrangement", w.arrangement);
    writeListBox(out, "material", w.material);
    out.string("Edit8", w.Edit8);
    out.string("Edit9", w.Edit9);
    out.string("Edit10", w.Edit10);
    out.string("Edit11", w.Edit11);
    out.number("Label26", labels.Label26);
    out.number("Label16", labels.Label16);
    out.boolean("button3Enabled", w.button3Enabled);
    out.whole("page", w.page);
    out.end();
    out.begin("dialogs");
    writeTwoList(out, "Form2", s.Form2);
    writeTwoList(out, "Form3", s.Form3);
    writeTwoList(out, "Form4", s.Form4);
    writeTwoList(out, "Form5", s.Form5);
    writeTwoList(out, "Form6", s.Form6);
    writeZoneDialog(out, "Form7", s.Form7, true);
    writeZoneDialog(out, "Form8", s.Form8, false);
    out.end();
    return out.finish();
}

DesignSnapshot DesignFile::fromJson(const QByteArray& document, const NumberText& numbers) {
    QByteArray text = document;
    if (text.startsWith("\xEF\xBB\xBF"))
        text.remove(0, 3);
    if (text.trimmed().isEmpty())
        fail(QStringLiteral("файл пуст"));
    QJsonParseError error{};
    const QJsonDocument json = QJsonDocument::fromJson(text, &error);
    if (error.error != QJsonParseError::NoError)
        fail(parseFailure(text, error));
    const QJsonObject top = json.object();
    if (!json.isObject() || top.value(QLatin1String("format")) != QJsonValue(kFormat))
        fail(QStringLiteral("это не файл проекта Корвелы"));
    const QJsonValue version = top.value(QLatin1String("version"));
    if (!version.isDouble() || version.toDouble() != std::floor(version.toDouble()) ||
        version.toDouble() < 1)
        fail(QStringLiteral("поле «version» должно быть целым числом не меньше 1"));
    if (version.toDouble() > kVersion)
        fail(QStringLiteral("файл сохранён более новой версией программы (версия формата %1), а "
                            "эта версия открывает только версию %2")
                 .arg(QString::number(version.toDouble(), 'g', 17))
                 .arg(kVersion));

    const JsonReader root(top, {}, {"format", "version", "wizard", "dialogs"});
    const JsonReader wr = root.object(
        "wizard", {"upperSoil", "lowerSoil", "Label29", "Label28", "Edit5", "Edit6", "Label27",
                   "button1Enabled", "arrangement", "material", "Edit8", "Edit9", "Edit10",
                   "Edit11", "Label26", "Label16", "button3Enabled", "page"});
    DesignSnapshot s;
    WizardState& w = s.wizard;
    const int soils = static_cast<int>(kSoils.size());
    w.upperSoil = readListBox(wr, "upperSoil", soils);
    w.lowerSoil = readListBox(wr, "lowerSoil", soils);
    w.arrangement = readListBox(wr, "arrangement", static_cast<int>(kArrangementItems.size()));
    w.material = readListBox(wr, "material", static_cast<int>(kMaterialItems.size()));
    w.Edit5 = wr.string("Edit5");
    w.Edit6 = wr.string("Edit6");
    w.Edit8 = wr.string("Edit8");
    w.Edit9 = wr.string("Edit9");
    w.Edit10 = wr.string("Edit10");
    w.Edit11 = wr.string("Edit11");
    Labels labels;
    labels.Label29 = wr.optionalNumber("Label29");
    labels.Label28 = wr.optionalNumber("Label28");
    labels.Label27 = wr.optionalNumber("Label27");
    labels.Label16 = wr.optionalNumber("Label16");
    labels.Label26 = wr.optionalNumber("Label26");
    w.button1Enabled = wr.boolean("button1Enabled");
    w.button3Enabled = wr.boolean("button3Enabled");
    w.page = wr.whole("page", 0, 2);

    const JsonReader dr =
        root.object("dialogs", {"Form2", "Form3", "Form4", "Form5", "Form6", "Form7", "Form8"});
    s.Form2 = readTwoList(dr, "Form2", static_cast<int>(kVerticalRowTable.rows.size()));
    s.Form3 = readTwoList(dr, "Form3", static_cast<int>(kStripRowTable.rows.size()));
    s.Form4 = readTwoList(dr, "Form4", static_cast<int>(kVerticalContourTable.rows.size()));
    s.Form5 = readTwoList(dr, "Form5", static_cast<int>(kStripContourTable.rows.size()));
    s.Form6 = readTwoList(dr, "Form6", static_cast<int>(kNormalizedResistances.size()));
    s.Form7 = readZoneDialog(dr, "Form7", true);
    s.Form8 = readZoneDialog(dr, "Form8", false);

    checkDesign(s, labels);

    const QChar sep = numbers.separator();
    for (QString* edit : {&w.Edit5, &w.Edit6, &w.Edit9, &w.Edit11})
        *edit = toWindowNotation(*edit, sep);
    // As a dialog would write it; a text that would not read back (a value so near the largest
    // double that its 15 digits round beyond it) could not be saved again.
    auto labelText = [&numbers](const char* name, std::optional<double> v) {
        const QString text = v ? numbers.general(*v) : QString();
        labelValue(name, text, numbers);
        return text;
    };
    w.Label29 = labelText("Label29", labels.Label29);
    w.Label28 = labelText("Label28", labels.Label28);
    w.Label27 = labelText("Label27", labels.Label27);
    w.Label16 = labelText("Label16", labels.Label16);
    w.Label26 = labelText("Label26", labels.Label26);
    return s;
}

DesignSnapshot DesignFile::read(const QString& path, const NumberText& numbers) {
    const auto failure = [&path](const QString& reason) {
        return DesignFileError(DesignFileError::Action::Open, path, reason);
    };
    const QFileInfo info(path);
    if (!info.exists())
        throw failure(QStringLiteral("файл не найден"));
    if (!info.isFile())
        throw failure(QStringLiteral("это не файл"));
    const auto tooLarge = [&](qint64 size) {
        return failure(QStringLiteral("файл слишком велик (%1 байт): файл проекта не бывает больше "
                                      "1 МиБ")
                           .arg(size));
    };
    if (info.size() > kMaxFileSize)
        throw tooLarge(info.size());
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw failure(QStringLiteral("файл не читается (%1)").arg(file.errorString()));
    // The file may have grown since it was measured.
    const QByteArray document = file.read(kMaxFileSize + 1);
    if (file.error() != QFileDevice::NoError)
        throw failure(QStringLiteral("файл не читается (%1)").arg(file.errorString()));
    if (document.size() > kMaxFileSize)
        throw tooLarge(document.size());
    try {
        return fromJson(document, numbers);
    } catch (const DesignFileError& e) {
        throw failure(e.reason());
    }
}

void DesignFile::write(const QString& path, const DesignSnapshot& design,
                       const NumberText& numbers) {
    const auto failure = [&path](const QString& reason) {
        return DesignFileError(DesignFileError::Action::Save, path, reason);
    };
    QByteArray document;
    try {
        document = toJson(design, numbers);
    } catch (const DesignFileError& e) {
        throw failure(e.reason());
    }
    // Unbuffered, so that a write cut short (a full disk, a size limit) shows here, where the
    // rest can be tried to learn the system's reason; a buffered write cut short when the buffer
    // is flushed by commit() may go unreported and put a truncated file in place of the old one.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        throw failure(file.errorString());
    qint64 written = 0;
    while (written < document.size()) {
        const qint64 n = file.write(document.constData() + written, document.size() - written);
        if (n <= 0) {
            const QString reason = file.errorString();
            file.cancelWriting();
            throw failure(reason);
        }
        written += n;
    }
    if (file.size() != document.size()) {
        file.cancelWriting();
        throw failure(QStringLiteral("файл записан не полностью"));
    }
    if (!file.commit())
        throw failure(file.errorString());
}
