// Design files: a design written, read and checked member by member, by the table of members.
#include "design/DesignFile.h"

#include "base/Errors.h"
#include "base/InputCharacters.h"
#include "base/SmallFile.h"
#include "design/DesignFileMigration.h"
#include "tables/ClimaticTable.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QJsonValue>
#include <QStringDecoder>
#include <QStringList>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <functional>
#include <limits>
#include <optional>
#include <vector>

namespace {

using Member = DesignFileMember;

const QString kFormat = QStringLiteral("korvela-design");
// The longest text an edit box or an editable list box holds.
constexpr qsizetype kMaxText = 32767;
constexpr int kZones = 4;
// The largest millimetres of a size.
constexpr std::int32_t kMostSize = std::numeric_limits<std::int32_t>::max();

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
void checkEditText(const QString& path, const QString& text, Member::Characters characters) {
    const bool digitsOnly = characters == Member::Characters::Digits;
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
void checkListBox(const QString& path, const ListBoxState& box, const QStringList& items) {
    checkFreeText(path + QStringLiteral(".text"), box.text);
    const int count = static_cast<int>(items.size());
    if (box.position != -1)
        checkRange(path + QStringLiteral(".position"), box.position, 0, count - 1);
    if (box.position >= 0) {
        const QString& item = items[box.position];
        if (item != box.text)
            fail(QStringLiteral("в поле %1 позиция %2 — это пункт %3, а не %4")
                     .arg(field(path))
                     .arg(box.position)
                     .arg(quoted(item), quoted(box.text)));
        return;
    }
    for (int i = 0; i < count; ++i) {
        if (items[i] == box.text)
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
        m_out += quoted(text);
    }
    void boolean(const char* key, bool value) {
        name(key);
        m_out += value ? "true" : "false";
    }
    void number(const char* key, double value) {
        name(key);
        m_out += shortest(value);
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
    // An array of numbers or of texts, on one line.
    void numbers(const char* key, const std::vector<double>& values) {
        name(key);
        m_out += '[';
        for (std::size_t i = 0; i < values.size(); ++i)
            m_out += (i ? ", " : "") + shortest(values[i]);
        m_out += ']';
    }
    // An array of pairs of numbers, on one line.
    void pairs(const char* key, const std::vector<std::array<double, 2>>& values) {
        name(key);
        m_out += '[';
        for (std::size_t i = 0; i < values.size(); ++i)
            m_out +=
                (i ? ", [" : "[") + shortest(values[i][0]) + ", " + shortest(values[i][1]) + ']';
        m_out += ']';
    }
    void strings(const char* key, const QStringList& texts) {
        name(key);
        m_out += '[';
        for (qsizetype i = 0; i < texts.size(); ++i) {
            if (i)
                m_out += ", ";
            m_out += quoted(texts[i]);
        }
        m_out += ']';
    }
    QByteArray finish() {
        newline(0);
        m_out += "}\n";
        return m_out;
    }

private:
    // A text as a JSON string: quotes and backslashes escaped, control characters as \uXXXX.
    static QByteArray quoted(const QString& text) {
        QString escaped;
        for (QChar c : text) {
            if (c == u'"' || c == u'\\')
                escaped += u'\\';
            if (c.unicode() < 0x20)
                escaped += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
            else
                escaped += c;
        }
        return '"' + escaped.toUtf8() + '"';
    }
    // The shortest text that reads back as the same number.
    static QByteArray shortest(double value) {
        return QByteArray::number(value, 'g', QLocale::FloatingPointShortest);
    }
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

// A label's text as the number a dialog wrote; none when empty.
std::optional<double> labelValue(const QString& path, const QString& text,
                                 const NumberText& numbers) {
    if (text.isEmpty())
        return std::nullopt;
    std::optional<double> value;
    try {
        value = numbers.readDecimal(text);
    } catch (const ConversionError&) {
    }
    if (!value || numbers.general(*value) != text)
        fail(QStringLiteral("поле %1 содержит %2, а не число, записанное окном справочника")
                 .arg(field(path), quoted(text)));
    return value;
}

// ---- Reading

class JsonReader {
public:
    // spelling: how the file spells the paths of members that a migration renamed.
    JsonReader(const QJsonObject& object, QString path, const QStringList& keys,
               const DesignFileMigration& spelling)
        : m_object(object), m_path(std::move(path)), m_spelling(spelling) {
        for (auto it = object.begin(); it != object.end(); ++it) {
            if (!keys.contains(it.key()))
                throw DesignFileError::unknownMember(pathOf(it.key()));
        }
    }

    QString pathOf(const QString& key) const {
        return m_spelling.spelled(m_path.isEmpty() ? key : m_path + u'.' + key);
    }
    bool has(const QString& key) const { return m_object.contains(key); }
    bool isNull(const QString& key) const { return value(key).isNull(); }

    JsonReader object(const QString& key, const QStringList& keys) const {
        const QJsonValue v = value(key);
        if (!v.isObject())
            wrongType(key, QStringLiteral("объектом"));
        return JsonReader(v.toObject(), pathOf(key), keys, m_spelling);
    }
    QString string(const QString& key) const {
        const QJsonValue v = value(key);
        if (!v.isString())
            wrongType(key, QStringLiteral("строкой"));
        return v.toString();
    }
    bool boolean(const QString& key) const {
        const QJsonValue v = value(key);
        if (!v.isBool())
            wrongType(key, QStringLiteral("логическим значением (true или false)"));
        return v.toBool();
    }
    double number(const QString& key) const {
        const QJsonValue v = value(key);
        if (!v.isDouble())
            wrongType(key, QStringLiteral("числом"));
        return v.toDouble() + 0.0; // no negative zero
    }
    std::optional<double> optionalNumber(const QString& key) const {
        const QJsonValue v = value(key);
        if (v.isNull())
            return std::nullopt;
        if (!v.isDouble())
            wrongType(key, QStringLiteral("числом или null"));
        return v.toDouble();
    }
    // A whole number from lowest to highest, or none for null.
    std::optional<int> optionalWhole(const QString& key, int lowest, int highest) const {
        const QJsonValue v = value(key);
        if (v.isNull())
            return std::nullopt;
        return whole(key, lowest, highest);
    }
    int whole(const QString& key, int lowest, int highest) const {
        const QJsonValue v = value(key);
        const double d = v.toDouble();
        if (!v.isDouble() || d != std::floor(d))
            wrongType(key, QStringLiteral("целым числом"));
        checkRange(pathOf(key), d, lowest, highest);
        return static_cast<int>(d);
    }

    // An array of lowest to highest numbers, or of as many texts.
    std::vector<double> numbers(const QString& key, int lowest, int highest) const {
        std::vector<double> out;
        for (const QJsonValue& v : array(key, lowest, highest)) {
            if (!v.isDouble())
                fail(QStringLiteral("поле %1 должно быть списком чисел").arg(field(pathOf(key))));
            out.push_back(v.toDouble() + 0.0);
        }
        return out;
    }
    // An array of lowest to highest pairs of numbers.
    std::vector<std::array<double, 2>> pairs(const QString& key, int lowest, int highest) const {
        std::vector<std::array<double, 2>> out;
        for (const QJsonValue& v : array(key, lowest, highest)) {
            const QJsonArray pair = v.toArray();
            if (!v.isArray() || pair.size() != 2 || !pair[0].isDouble() || !pair[1].isDouble())
                fail(QStringLiteral("поле %1 должно быть списком пар чисел")
                         .arg(field(pathOf(key))));
            out.push_back({pair[0].toDouble() + 0.0, pair[1].toDouble() + 0.0});
        }
        return out;
    }
    QStringList strings(const QString& key, int lowest, int highest) const {
        QStringList out;
        for (const QJsonValue& v : array(key, lowest, highest)) {
            if (!v.isString())
                fail(QStringLiteral("поле %1 должно быть списком строк").arg(field(pathOf(key))));
            out << v.toString();
        }
        return out;
    }

private:
    QJsonArray array(const QString& key, int lowest, int highest) const {
        const QJsonValue v = value(key);
        if (!v.isArray())
            wrongType(key, QStringLiteral("списком"));
        const QJsonArray a = v.toArray();
        checkRange(pathOf(key) + QStringLiteral(" (число элементов)"), a.size(), lowest, highest);
        return a;
    }
    QJsonValue value(const QString& key) const {
        const QJsonValue v = m_object.value(key);
        if (v.isUndefined())
            fail(QStringLiteral("в файле нет поля %1").arg(field(pathOf(key))));
        return v;
    }
    [[noreturn]] void wrongType(const QString& key, const QString& kind) const {
        fail(QStringLiteral("поле %1 должно быть %2").arg(field(pathOf(key)), kind));
    }

    QJsonObject m_object;
    QString m_path;
    const DesignFileMigration& m_spelling;
};

QString parseFailure(const QByteArray& document, const QJsonParseError& error) {
    const qsizetype offset = std::clamp<qsizetype>(error.offset, 0, document.size());
    const QByteArray before = document.left(offset);
    const qsizetype line = before.count('\n') + 1;
    const qsizetype column = offset - (before.lastIndexOf('\n') + 1) + 1;
    return QStringLiteral("это не текст JSON (ошибка в строке %1, столбце %2)")
        .arg(line)
        .arg(column);
}

// Whether bytes are a text in UTF-8: no byte that is foreign to it, no letter cut short.
bool isUtf8(const QByteArray& bytes) {
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decoder.decode(bytes); // decoding the whole text sets the error
    return !decoder.hasError();
}

// ---- The kinds of members: each written and read with its check. A member is checked in the
// file's notation, before it is written and before it is stored.

// Where a member is written: its key in its group, and its path in the document for faults.
struct Writing {
    JsonWriter& out;
    const NumberText& numbers;
    const char* key;
    QString path;
};

// Where a member is read from: its group, its key there and its path as the file spells it.
struct Reading {
    const JsonReader& in;
    const NumberText& numbers;
    QString key;
    QString path;
    // Checks that need the whole design, run once every member has been read.
    std::vector<std::function<void(const DesignInputs&)>>& afterwards;
};

void writeMember(const Member::ListBox& m, DesignInputs& s, const Writing& w) {
    const ListBoxState& box = m.at(s);
    checkListBox(w.path, box, m.items(s));
    w.out.begin(w.key);
    w.out.whole("position", box.position >= 0 ? std::optional<int>(box.position) : std::nullopt);
    w.out.string("text", box.text);
    w.out.end();
}

void readMember(const Member::ListBox& m, DesignInputs& s, const Reading& r) {
    // The items that other members add are known once they are read: the position is checked
    // against the items then.
    const JsonReader in = r.in.object(r.key, {"position", "text"});
    const std::optional<int> position = in.optionalWhole(
        "position", std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
    ListBoxState box;
    box.position = position.value_or(-1);
    box.text = in.string("text");
    m.at(s) = box;
    r.afterwards.push_back(
        [m, position, path = r.path,
         positionPath = in.pathOf(QStringLiteral("position"))](const DesignInputs& all) {
            const QStringList items = m.items(all);
            if (position)
                checkRange(positionPath, *position, 0, static_cast<int>(items.size()) - 1);
            DesignInputs copy = all;
            checkListBox(path, m.at(copy), items);
        });
}

void writeMember(const Member::EditText& m, DesignInputs& s, const Writing& w) {
    const bool decimal = m.characters == Member::Characters::Decimal;
    const QString text = decimal ? toFileNotation(m.at(s), w.numbers.separator()) : m.at(s);
    checkEditText(w.path, text, m.characters);
    w.out.string(w.key, text);
}

void readMember(const Member::EditText& m, DesignInputs& s, const Reading& r) {
    const bool decimal = m.characters == Member::Characters::Decimal;
    const QString text = r.in.string(r.key);
    checkEditText(r.path, text, m.characters);
    m.at(s) = decimal ? toWindowNotation(text, r.numbers.separator()) : text;
}

void writeMember(const Member::DisplayNumber& m, DesignInputs& s, const Writing& w) {
    const std::optional<double> value = labelValue(w.path, m.at(s), w.numbers);
    checkLabel(w.path, value, m.whole);
    w.out.number(w.key, value);
}

void readMember(const Member::DisplayNumber& m, DesignInputs& s, const Reading& r) {
    const std::optional<double> value = r.in.optionalNumber(r.key);
    checkLabel(r.path, value, m.whole);
    // As a dialog would write it; a text that would not read back (a value so near the largest
    // double that its 15 digits round beyond it) could not be saved again.
    const QString text = value ? r.numbers.general(*value) : QString();
    labelValue(r.path, text, r.numbers);
    m.at(s) = text;
}

void writeMember(const Member::Flag& m, DesignInputs& s, const Writing& w) {
    w.out.boolean(w.key, m.at(s));
}

void readMember(const Member::Flag& m, DesignInputs& s, const Reading& r) {
    m.at(s) = r.in.boolean(r.key);
}

void writeMember(const Member::Whole& m, DesignInputs& s, const Writing& w) {
    checkRange(w.path, m.at(s), m.lowest, m.highest);
    w.out.whole(w.key, m.at(s));
}

void readMember(const Member::Whole& m, DesignInputs& s, const Reading& r) {
    m.at(s) = r.in.whole(r.key, m.lowest, m.highest);
}

void writeMember(const Member::TwoListDialog& m, DesignInputs& s, const Writing& w) {
    const TwoListDialogState& d = m.at(s);
    checkTwoList(w.path, d, m.rows());
    w.out.begin(w.key);
    w.out.string("firstText", d.firstText);
    w.out.string("secondText", d.secondText);
    w.out.whole("rememberedRow", d.rememberedRow);
    w.out.number("value", d.value);
    w.out.boolean("okEnabled", d.okEnabled);
    w.out.end();
}

void readMember(const Member::TwoListDialog& m, DesignInputs& s, const Reading& r) {
    const std::vector<std::vector<double>> rows = m.rows();
    const JsonReader in =
        r.in.object(r.key, {"firstText", "secondText", "rememberedRow", "value", "okEnabled"});
    TwoListDialogState d;
    d.firstText = in.string("firstText");
    d.secondText = in.string("secondText");
    d.rememberedRow = in.optionalWhole("rememberedRow", 0, static_cast<int>(rows.size()) - 1);
    d.value = in.number("value");
    d.okEnabled = in.boolean("okEnabled");
    checkTwoList(r.path, d, rows);
    m.at(s) = d;
}

void writeMember(const Member::ZoneDialog& m, DesignInputs& s, const Writing& w) {
    const ZoneDialogState& d = m.at(s);
    checkZoneDialog(w.path, d, m.withType);
    w.out.begin(w.key);
    w.out.whole("selectedZone", d.selectedZone);
    if (m.withType)
        w.out.string("typeText", d.typeText);
    w.out.whole("rememberedZone", d.rememberedZone);
    if (m.withType)
        w.out.number("vertical", d.vertical);
    w.out.number("horizontal", d.horizontal);
    w.out.boolean("okEnabled", d.okEnabled);
    w.out.end();
}

void readMember(const Member::ZoneDialog& m, DesignInputs& s, const Reading& r) {
    const JsonReader in =
        m.withType
            ? r.in.object(r.key, {"selectedZone", "typeText", "rememberedZone", "vertical",
                                  "horizontal", "okEnabled"})
            : r.in.object(r.key, {"selectedZone", "rememberedZone", "horizontal", "okEnabled"});
    ZoneDialogState d;
    d.selectedZone = in.optionalWhole("selectedZone", 0, kZones - 1);
    if (m.withType)
        d.typeText = in.string("typeText");
    d.rememberedZone = in.optionalWhole("rememberedZone", 0, kZones - 1);
    if (m.withType)
        d.vertical = in.number("vertical");
    d.horizontal = in.number("horizontal");
    d.okEnabled = in.boolean("okEnabled");
    checkZoneDialog(r.path, d, m.withType);
    m.at(s) = d;
}

const char* modelKey(SoilModel model) {
    return model == SoilModel::TwoLayer ? "twoLayer" : "uniform";
}

SoilModel modelOf(const QString& path, const QString& text) {
    if (text == QLatin1String("uniform"))
        return SoilModel::Uniform;
    if (text == QLatin1String("twoLayer"))
        return SoilModel::TwoLayer;
    fail(QStringLiteral("поле %1 должно быть «uniform» или «twoLayer»").arg(field(path)));
}

void checkReadingsWindow(const QString& path, const SoilMeasurementState& d) {
    checkRange(path + QStringLiteral(".spacings (число строк)"), d.rows.size(), 1, kMaxReadings);
    for (const ReadingRowTexts& row : d.rows) {
        checkFreeText(path + QStringLiteral(".spacings"), row.spacing);
        checkFreeText(path + QStringLiteral(".resistances"), row.resistance);
    }
}

void writeMember(const Member::SoilReadingsWindow& m, DesignInputs& s, const Writing& w) {
    const SoilMeasurementState& d = m.at(s);
    checkReadingsWindow(w.path, d);
    QStringList spacings, resistances;
    for (const ReadingRowTexts& row : d.rows) {
        spacings << toFileNotation(row.spacing, w.numbers.separator());
        resistances << toFileNotation(row.resistance, w.numbers.separator());
    }
    w.out.begin(w.key);
    w.out.strings("spacings", spacings);
    w.out.strings("resistances", resistances);
    if (d.chosen)
        w.out.string("chosenModel", QString::fromLatin1(modelKey(*d.chosen)));
    else
        w.out.null("chosenModel");
    w.out.end();
}

void readMember(const Member::SoilReadingsWindow& m, DesignInputs& s, const Reading& r) {
    const JsonReader in = r.in.object(r.key, {"spacings", "resistances", "chosenModel"});
    const QStringList spacings = in.strings("spacings", 1, kMaxReadings);
    const QStringList resistances = in.strings("resistances", 1, kMaxReadings);
    if (spacings.size() != resistances.size())
        fail(QStringLiteral("в поле %1 разное число расстояний и показаний").arg(field(r.path)));
    SoilMeasurementState d;
    for (qsizetype i = 0; i < spacings.size(); ++i)
        d.rows.append({toWindowNotation(spacings[i], r.numbers.separator()),
                       toWindowNotation(resistances[i], r.numbers.separator())});
    if (!in.isNull("chosenModel"))
        d.chosen = modelOf(in.pathOf(QStringLiteral("chosenModel")), in.string("chosenModel"));
    checkReadingsWindow(r.path, d);
    m.at(s) = d;
}

// A positive finite number.
void checkPositive(const QString& path, double value) {
    if (!std::isfinite(value) || !(value > 0))
        fail(QStringLiteral("поле %1 должно быть положительным числом").arg(field(path)));
}

void checkAppliedSoil(const QString& path, const MeasuredSoil& soil) {
    checkPositive(path + QStringLiteral(".upperResistivity"), soil.upper);
    checkPositive(path + QStringLiteral(".lowerResistivity"), soil.lower);
    if (soil.model == SoilModel::TwoLayer)
        checkPositive(path + QStringLiteral(".upperLayerThickness"), soil.thickness);
    if (!std::isfinite(soil.misfit) || soil.misfit < 0)
        fail(QStringLiteral("поле %1 должно быть неотрицательным числом")
                 .arg(field(path + QStringLiteral(".misfit"))));
    checkRange(path + QStringLiteral(".spacings (число замеров)"),
               static_cast<double>(soil.readings.size()), 1, kMaxReadings);
    for (const WennerReading& reading : soil.readings) {
        checkPositive(path + QStringLiteral(".spacings"), reading.spacing);
        checkPositive(path + QStringLiteral(".resistances"), reading.resistance);
    }
}

void writeMember(const Member::AppliedSoil& m, DesignInputs& s, const Writing& w) {
    const MeasuredSoil& soil = *m.at(s); // written only when there is one
    checkAppliedSoil(w.path, soil);
    std::vector<double> spacings, resistances;
    for (const WennerReading& reading : soil.readings) {
        spacings.push_back(reading.spacing);
        resistances.push_back(reading.resistance);
    }
    w.out.begin(w.key);
    w.out.string("model", QString::fromLatin1(modelKey(soil.model)));
    w.out.number("upperResistivity", soil.upper);
    w.out.number("lowerResistivity", soil.lower);
    w.out.number("upperLayerThickness", soil.thickness);
    w.out.number("misfit", soil.misfit);
    w.out.numbers("spacings", spacings);
    w.out.numbers("resistances", resistances);
    w.out.end();
}

void readMember(const Member::AppliedSoil& m, DesignInputs& s, const Reading& r) {
    const JsonReader in =
        r.in.object(r.key, {"model", "upperResistivity", "lowerResistivity", "upperLayerThickness",
                            "misfit", "spacings", "resistances"});
    MeasuredSoil soil;
    soil.model = modelOf(in.pathOf(QStringLiteral("model")), in.string("model"));
    soil.upper = in.number("upperResistivity");
    soil.lower = in.number("lowerResistivity");
    soil.thickness = in.number("upperLayerThickness");
    soil.misfit = in.number("misfit");
    const std::vector<double> spacings = in.numbers("spacings", 1, kMaxReadings);
    const std::vector<double> resistances = in.numbers("resistances", 1, kMaxReadings);
    if (spacings.size() != resistances.size())
        fail(QStringLiteral("в поле %1 разное число расстояний и показаний").arg(field(r.path)));
    for (std::size_t i = 0; i < spacings.size(); ++i)
        soil.readings.push_back({spacings[i], resistances[i]});
    checkAppliedSoil(r.path, soil);
    m.at(s) = soil;
}

// A text that any field of the engineer's may hold: within the size of a text, and whole (no
// half of a character pair).
void checkTypedText(const QString& path, const QString& text) {
    if (text.size() > kMaxText)
        fail(QStringLiteral("текст поля %1 длиннее %2 знаков").arg(field(path)).arg(kMaxText));
    if (!QStringView(text).isValidUtf16())
        fail(QStringLiteral("текст поля %1 повреждён").arg(field(path)));
}

void writeMember(const Member::FreeText& m, DesignInputs& s, const Writing& w) {
    checkTypedText(w.path, m.at(s));
    w.out.string(w.key, m.at(s));
}

void readMember(const Member::FreeText& m, DesignInputs& s, const Reading& r) {
    const QString text = r.in.string(r.key);
    checkTypedText(r.path, text);
    m.at(s) = text;
}

// The lists of the variant search: at most this many items each.
constexpr int kMostListItems = 1000;

void checkWhole(const QString& path, double value, std::int32_t lowest, std::int32_t highest) {
    if (value != std::floor(value))
        fail(QStringLiteral("поле %1 должно быть списком целых чисел").arg(field(path)));
    checkRange(path, value, lowest, highest);
}

void checkItemCount(const QString& path, std::size_t items) {
    checkRange(path + QStringLiteral(" (число элементов)"), static_cast<double>(items), 0,
               kMostListItems);
}

void writeMember(const Member::WholeList& m, DesignInputs& s, const Writing& w) {
    const std::vector<std::int32_t>& items = m.at(s);
    checkItemCount(w.path, items.size());
    for (std::int32_t item : items)
        checkWhole(w.path, item, m.lowest, m.highest);
    w.out.numbers(w.key, {items.begin(), items.end()});
}

void readMember(const Member::WholeList& m, DesignInputs& s, const Reading& r) {
    std::vector<std::int32_t> items;
    for (double v : r.in.numbers(r.key, 0, kMostListItems)) {
        checkWhole(r.path, v, m.lowest, m.highest);
        items.push_back(static_cast<std::int32_t>(v));
    }
    m.at(s) = items;
}

void writeMember(const Member::DecimalList& m, DesignInputs& s, const Writing& w) {
    const std::vector<double>& items = m.at(s);
    checkItemCount(w.path, items.size());
    for (double item : items)
        checkPositive(w.path, item);
    w.out.numbers(w.key, items);
}

void readMember(const Member::DecimalList& m, DesignInputs& s, const Reading& r) {
    const std::vector<double> items = r.in.numbers(r.key, 0, kMostListItems);
    for (double item : items)
        checkPositive(r.path, item);
    m.at(s) = items;
}

void writeMember(const Member::OptionalDecimal& m, DesignInputs& s, const Writing& w) {
    if (m.at(s))
        checkPositive(w.path, *m.at(s));
    w.out.number(w.key, m.at(s));
}

void readMember(const Member::OptionalDecimal& m, DesignInputs& s, const Reading& r) {
    const std::optional<double> value = r.in.optionalNumber(r.key);
    if (value)
        checkPositive(r.path, *value);
    m.at(s) = value;
}

template <class Size>
void writeMember(const Member::SizeList<Size>& m, DesignInputs& s, const Writing& w) {
    const std::vector<Size>& items = m.at(s);
    checkItemCount(w.path, items.size());
    std::vector<std::array<double, 2>> pairs;
    for (const Size& size : items) {
        checkWhole(w.path, size.*m.first, 1, kMostSize);
        checkWhole(w.path, size.*m.second, 1, kMostSize);
        pairs.push_back({double(size.*m.first), double(size.*m.second)});
    }
    w.out.pairs(w.key, pairs);
}

template <class Size>
void readMember(const Member::SizeList<Size>& m, DesignInputs& s, const Reading& r) {
    std::vector<Size> items;
    for (const auto& [first, second] : r.in.pairs(r.key, 0, kMostListItems)) {
        checkWhole(r.path, first, 1, kMostSize);
        checkWhole(r.path, second, 1, kMostSize);
        Size size;
        size.*m.first = static_cast<std::int32_t>(first);
        size.*m.second = static_cast<std::int32_t>(second);
        items.push_back(size);
    }
    m.at(s) = items;
}

// Whether a member holds what it holds when the program starts.
bool atStart(const Member& member, DesignInputs& s) {
    return std::visit(
        [&s](const auto& m) {
            DesignInputs start;
            return m.at(s) == m.at(start);
        },
        member.kind);
}

// The groups of the members, in the order of their first members.
QStringList groupsOf(std::span<const Member> members) {
    QStringList groups;
    for (const Member& m : members) {
        if (!groups.contains(QLatin1String(m.group)))
            groups << QString::fromLatin1(m.group);
    }
    return groups;
}

bool inGroup(const Member& m, const QString& group) {
    return group == QLatin1String(m.group);
}

} // namespace

QByteArray DesignFile::toJson(const DesignInputs& design, const NumberText& numbers,
                              std::span<const DesignFileMember> members) {
    DesignInputs s = design;
    JsonWriter out;
    out.string("format", kFormat);
    out.whole("version", DesignFileMigration::kCurrentVersion);
    for (const QString& group : groupsOf(members)) {
        bool begun = false;
        for (const Member& m : members) {
            if (!inGroup(m, group) || (m.presence == Member::Presence::Optional && atStart(m, s)))
                continue;
            if (!begun)
                out.begin(m.group);
            begun = true;
            const Writing w{out, numbers, m.key, group + u'.' + QLatin1String(m.key)};
            std::visit([&](const auto& kind) { writeMember(kind, s, w); }, m.kind);
        }
        if (begun)
            out.end();
    }
    return out.finish();
}

DesignInputs DesignFile::fromJson(const QByteArray& document, const NumberText& numbers,
                                  std::span<const DesignFileMember> members) {
    QByteArray text = document;
    if (text.startsWith("\xEF\xBB\xBF"))
        text.remove(0, 3);
    if (text.trimmed().isEmpty())
        fail(QStringLiteral("файл пуст"));
    if (!isUtf8(text))
        fail(QStringLiteral("файл не в кодировке UTF-8"));
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
    if (version.toDouble() > DesignFileMigration::kCurrentVersion)
        fail(QStringLiteral("файл сохранён более новой версией программы (версия формата %1), а "
                            "эта версия открывает версии не выше %2")
                 .arg(QString::number(version.toDouble(), 'g', 17))
                 .arg(DesignFileMigration::kCurrentVersion));

    const DesignFileMigration migrated(top, static_cast<int>(version.toDouble()));
    const QStringList groups = groupsOf(members);
    const JsonReader root(migrated.document(), {},
                          QStringList{QStringLiteral("format"), QStringLiteral("version")} + groups,
                          migrated);
    DesignInputs s;
    std::vector<std::function<void(const DesignInputs&)>> afterwards;
    for (const QString& group : groups) {
        QStringList keys;
        bool required = false;
        for (const Member& m : members) {
            if (inGroup(m, group)) {
                keys << QString::fromLatin1(m.key);
                required = required || m.presence == Member::Presence::Required;
            }
        }
        if (!required && !root.has(group))
            continue;
        const JsonReader in = root.object(group, keys);
        for (const Member& m : members) {
            const QString key = QString::fromLatin1(m.key);
            if (!inGroup(m, group) || (m.presence == Member::Presence::Optional && !in.has(key)))
                continue;
            const Reading r{in, numbers, key, in.pathOf(key), afterwards};
            std::visit([&](const auto& kind) { readMember(kind, s, r); }, m.kind);
        }
    }
    for (const auto& check : afterwards)
        check(s);
    return s;
}

DesignInputs DesignFile::read(const QString& path, const NumberText& numbers) {
    const auto failure = [&path](const QString& reason) {
        return DesignFileError(DesignFileError::Action::Open, path, reason);
    };
    const SmallFile file = SmallFile::read(path, kMaxFileSize, QStringLiteral("файл проекта"));
    if (!file.failure.isEmpty())
        throw failure(file.failure);
    try {
        return fromJson(file.bytes, numbers);
    } catch (const DesignFileError& e) {
        throw failure(e.reason());
    }
}

void DesignFile::write(const QString& path, const DesignInputs& design, const NumberText& numbers) {
    const auto failure = [&path](const QString& reason) {
        return DesignFileError(DesignFileError::Action::Save, path, reason);
    };
    QByteArray document;
    try {
        document = toJson(design, numbers);
    } catch (const DesignFileError& e) {
        throw failure(e.reason());
    }
    const QString reason = SmallFile::write(path, document);
    if (!reason.isEmpty())
        throw failure(reason);
}
