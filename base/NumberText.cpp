#include "base/NumberText.h"

#include "base/Errors.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <locale.h>
#include <string>

namespace {

// A value as its exact decimal expansion: magnitude = 0.d1d2d3... with the point moved so that
// the value is d1.d2d3... x 10^exponent. Empty digits mean zero.
struct Decimal {
    std::string digits;
    int exponent = 0;
};

// Exact decimal digits of |v| (a double has at most 767 significant decimal digits).
Decimal exactDecimal(double v) {
    Decimal d;
    if (v == 0.0)
        return d;
    std::array<char, 1024> buf{};
    std::snprintf(buf.data(), buf.size(), "%.780e", std::fabs(v));
    const std::string s(buf.data());
    const auto e = s.find('e');
    d.digits.push_back(s[0]);
    d.digits.append(s, 2, e - 2);
    d.exponent = std::stoi(s.substr(e + 1));
    while (!d.digits.empty() && d.digits.back() == '0')
        d.digits.pop_back();
    return d;
}

// Rounds to n significant digits, half away from zero; trailing zeros are dropped.
void roundSignificant(Decimal& d, int n) {
    if (d.digits.empty() || n >= static_cast<int>(d.digits.size()))
        return;
    const bool up = n >= 0 && d.digits[static_cast<std::size_t>(n)] >= '5';
    if (n <= 0) {
        d.digits = up ? "1" : "";
        if (up)
            d.exponent += 1 - n;
        return;
    }
    d.digits.resize(static_cast<std::size_t>(n));
    if (up) {
        int i = n - 1;
        while (i >= 0 && d.digits[static_cast<std::size_t>(i)] == '9') {
            d.digits[static_cast<std::size_t>(i)] = '0';
            --i;
        }
        if (i < 0) {
            d.digits.insert(d.digits.begin(), '1');
            d.digits.pop_back();
            ++d.exponent;
        } else {
            ++d.digits[static_cast<std::size_t>(i)];
        }
    }
    while (!d.digits.empty() && d.digits.back() == '0')
        d.digits.pop_back();
}

// Digit at power of ten p (10^p), zero outside the digits held.
char digitAt(const Decimal& d, int p) {
    const int i = d.exponent - p;
    return i >= 0 && i < static_cast<int>(d.digits.size()) ? d.digits[static_cast<std::size_t>(i)]
                                                           : '0';
}

QString exponentForm(const Decimal& d, QChar separator, int minExponentDigits) {
    QString out(QLatin1Char(d.digits[0]));
    if (d.digits.size() > 1) {
        out += separator;
        out +=
            QString::fromLatin1(d.digits.data() + 1, static_cast<qsizetype>(d.digits.size() - 1));
    }
    out += QLatin1Char('E');
    if (d.exponent < 0)
        out += QLatin1Char('-');
    out +=
        QString::number(std::abs(d.exponent)).rightJustified(minExponentDigits, QLatin1Char('0'));
    return out;
}

// Positional text with at least one integer digit and `decimals` digits after the separator
// (decimals < 0: as many as the digits need).
QString positional(const Decimal& d, QChar separator, int decimals) {
    QString out;
    for (int p = std::max(d.exponent, 0); p >= 0; --p)
        out += QLatin1Char(digitAt(d, p));
    const int lowest = d.exponent - static_cast<int>(d.digits.size()) + 1;
    const int count = decimals >= 0 ? decimals : std::max(0, -lowest);
    if (count > 0) {
        out += separator;
        for (int p = -1; p >= -count; --p)
            out += QLatin1Char(digitAt(d, p));
    }
    return out;
}

[[noreturn]] void notFloat(const QString& text) {
    throw ConversionError(QStringLiteral("'%1' is not a valid floating point value").arg(text));
}

[[noreturn]] void notInteger(const QString& text) {
    throw ConversionError(QStringLiteral("'%1' is not a valid integer value").arg(text));
}

bool isDigit(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

int hexValue(QChar c) {
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    return -1;
}

double parseCDecimal(const std::string& s) {
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", nullptr);
    return strtod_l(s.c_str(), nullptr, cLocale);
}

} // namespace

NumberText::NumberText(QChar separator) : m_separator(separator) {}

double NumberText::readDecimal(const QString& text) const {
    const qsizetype n = text.size();
    qsizetype i = 0;
    std::string c; // the same number in C notation
    while (i < n && text[i] == QLatin1Char(' '))
        ++i;
    if (i < n && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-')))
        c += static_cast<char>(text[i++].unicode());
    bool mantissa = false;
    while (i < n && isDigit(text[i])) {
        c += static_cast<char>(text[i++].unicode());
        mantissa = true;
    }
    if (i < n && text[i] == m_separator) {
        ++i;
        mantissa = true;
        c += '.';
        while (i < n && isDigit(text[i]))
            c += static_cast<char>(text[i++].unicode());
    }
    if (!mantissa)
        notFloat(text);
    if (c.back() == '.' || c.back() == '+' || c.back() == '-')
        c += '0'; // "5," and "," read as 5 and 0
    if (c.front() == '.' || ((c.front() == '+' || c.front() == '-') && c[1] == '.'))
        c.insert(c.front() == '.' ? 0 : 1, "0");
    if (i < n && (text[i] == QLatin1Char('E') || text[i] == QLatin1Char('e'))) {
        ++i;
        c += 'e';
        if (i < n && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-')))
            c += static_cast<char>(text[i++].unicode());
        if (i >= n || !isDigit(text[i]))
            notFloat(text);
        while (i < n && isDigit(text[i]))
            c += static_cast<char>(text[i++].unicode());
    }
    while (i < n && text[i] == QLatin1Char(' '))
        ++i;
    if (i != n)
        notFloat(text);
    const double v = parseCDecimal(c);
    if (std::isinf(v))
        notFloat(text); // beyond the range of a double
    return v;
}

std::int32_t NumberText::readWhole(const QString& text) {
    const qsizetype n = text.size();
    qsizetype i = 0;
    while (i < n && text[i] == QLatin1Char(' '))
        ++i;
    bool negative = false;
    if (i < n && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-')))
        negative = text[i++] == QLatin1Char('-');
    int base = 10;
    if (i < n && (text[i] == QLatin1Char('$') || text[i] == QLatin1Char('x') ||
                  text[i] == QLatin1Char('X'))) {
        base = 16;
        ++i;
    } else if (i + 1 < n && text[i] == QLatin1Char('0') &&
               (text[i + 1] == QLatin1Char('x') || text[i + 1] == QLatin1Char('X'))) {
        base = 16;
        i += 2;
    }
    if (i >= n)
        notInteger(text);
    constexpr std::int64_t limit = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
    std::int64_t value = 0;
    for (; i < n; ++i) {
        const int digit =
            base == 16 ? hexValue(text[i]) : (isDigit(text[i]) ? text[i].unicode() - u'0' : -1);
        if (digit < 0)
            notInteger(text);
        value = value * base + digit;
        if (value > limit)
            notInteger(text);
    }
    if (!negative && value == limit)
        notInteger(text);
    return static_cast<std::int32_t>(negative ? -value : value);
}

QString NumberText::general(double value) const {
    Decimal d = exactDecimal(value);
    roundSignificant(d, 15);
    if (d.digits.empty())
        return QStringLiteral("0");
    const QString sign = value < 0 ? QStringLiteral("-") : QString();
    if (d.exponent < -4 || d.exponent >= 15)
        return sign + exponentForm(d, m_separator, 1);
    return sign + positional(d, m_separator, -1);
}

QString NumberText::fixed(double value, int decimals) const {
    constexpr int significant = 5;
    Decimal d = exactDecimal(value);
    if (!d.digits.empty())
        roundSignificant(d, std::min(significant, d.exponent + 1 + decimals));
    if (d.digits.empty())
        return positional(d, m_separator, decimals);
    const QString sign = value < 0 ? QStringLiteral("-") : QString();
    if (d.exponent >= significant)
        return sign + exponentForm(d, m_separator, decimals);
    return sign + positional(d, m_separator, decimals);
}

QString NumberText::decimals(double value, int decimals) const {
    if (!std::isfinite(value))
        return {};
    Decimal d = exactDecimal(value);
    if (!d.digits.empty())
        roundSignificant(d, d.exponent + 1 + decimals);
    const QString sign = value < 0 && !d.digits.empty() ? QStringLiteral("-") : QString();
    return sign + positional(d, m_separator, decimals);
}

QString NumberText::whole(std::int64_t value) {
    return QString::number(value);
}
