// Fuzzes both number readings and checks that whatever they accept writes and reads back.
#include "base/Errors.h"
#include "base/NumberText.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace {

void check(bool ok) {
    if (!ok)
        std::abort();
}

void readAndWriteBack(const NumberText& numbers, const QString& text) {
    double v = 0;
    try {
        v = numbers.readDecimal(text);
    } catch (const ConversionError& e) {
        check(e.message().contains(text));
        return;
    }
    check(std::isfinite(v));
    // Rounded to fewer digits, the largest doubles write a text just beyond the double range.
    const bool nearTheTop = std::fabs(v) >= 1.797693134862315e308;
    try {
        const double back = numbers.readDecimal(numbers.general(v));
        check(back == v || std::fabs(back - v) <= std::fabs(v) * 1e-14);
        for (int decimals : {1, 2}) {
            const double f = numbers.readDecimal(numbers.fixed(v, decimals));
            // Five significant digits or the given decimals: never further off than that.
            const double ulp = std::max(std::fabs(v) * 1e-4, std::pow(10.0, -decimals));
            check(std::fabs(f - v) <= ulp * 0.51);
        }
    } catch (const ConversionError&) {
        check(nearTheTop || std::fabs(v) >= 1.7976e308);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    for (QChar sep : {QLatin1Char(','), QLatin1Char('.')})
        readAndWriteBack(NumberText(sep), text);
    try {
        const std::int32_t n = NumberText::readWhole(text);
        check(NumberText::readWhole(NumberText::whole(n)) == n);
    } catch (const ConversionError& e) {
        check(e.message().contains(text));
    }
    return 0;
}
