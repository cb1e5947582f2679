// The number texts that every window shares: two readings and the written forms of values.
#pragma once

#include <QChar>
#include <QString>
#include <cstdint>

class NumberText {
public:
    // separator: the decimal separator of the user's regional settings.
    explicit NumberText(QChar separator);

    QChar separator() const { return m_separator; }

    // Decimal reading: blanks, sign, digits, separator, digits, exponent, blanks.
    // Throws ConversionError "'<text>' is not a valid floating point value".
    double readDecimal(const QString& text) const;
    // Whole-number reading: blanks, sign, decimal or hexadecimal ($, x, X, 0x, 0X) digits,
    // within the signed 32-bit range. Throws ConversionError "'<text>' is not a valid integer
    // value".
    static std::int32_t readWhole(const QString& text);

    // General form: up to 15 significant digits, exponent form below 0.0001 and from 10^15 on.
    QString general(double value) const;
    // Fixed form with 1 or 2 decimals, at most 5 significant digits; exponent form from 100000 on.
    QString fixed(double value, int decimals) const;
    QString fixed1(double value) const { return fixed(value, 1); }
    QString fixed2(double value) const { return fixed(value, 2); }
    // Quantities of a bill or an equipment schedule: rounded half away from zero to exactly
    // `decimals` digits after the separator whatever the size, never in exponent form ("1566,08"
    // for 1566.075 kg, "123456,79"). A value that is not finite gives an empty text.
    QString decimals(double value, int decimals) const;
    // Whole-number form.
    static QString whole(std::int64_t value);

private:
    QChar m_separator;
};
