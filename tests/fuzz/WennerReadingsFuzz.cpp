// Fuzzes the reader of pasted and imported Wenner readings: any text gives checked readings or a
// reason. The readings are believable and read back from what they write; neither the decimal
// separator of the messages nor the kind of line ends changes what is read; a fault names a line
// of the text, or the text as a whole.
#include "base/NumberText.h"
#include "calc/ReadingsError.h"
#include "calc/WennerReadings.h"

#include <QRegularExpression>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <set>

namespace {

void check(bool ok) {
    if (!ok)
        std::abort();
}

// The readings of text, or the reason it does not read.
struct Outcome {
    std::vector<WennerReading> readings;
    std::optional<QString> reason;
};

Outcome readText(const QString& text, const NumberText& numbers) {
    Outcome outcome;
    try {
        outcome.readings = readReadingsText(text, numbers);
    } catch (const ReadingsError& e) {
        check(!e.reason().isEmpty());
        outcome.reason = e.reason();
    }
    return outcome;
}

// The lines of text as the reader counts them: each ended by "\n", "\r\n" or "\r", the last one
// by the end of the text.
int lineCount(const QString& text) {
    int lines = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
            ++i;
        if (text[i] == u'\n' || text[i] == u'\r')
            ++lines;
    }
    return lines + (text.isEmpty() || text.back() == u'\n' || text.back() == u'\r' ? 0 : 1);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const NumberText comma(QLatin1Char(','));
    const NumberText point(QLatin1Char('.'));
    const Outcome outcome = readText(text, comma);

    // Line ends of any kind read alike.
    QString lfText = text;
    lfText.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    const Outcome lf = readText(lfText, comma);
    check(lf.readings == outcome.readings && lf.reason == outcome.reason);

    // The separator only writes the values that messages quote.
    const Outcome pointed = readText(text, point);
    check(pointed.readings == outcome.readings &&
          pointed.reason.has_value() == outcome.reason.has_value());

    if (outcome.reason) {
        static const QRegularExpression lineFault(QStringLiteral("^строка (\\d+): "));
        const QRegularExpressionMatch m = lineFault.match(*outcome.reason);
        if (m.hasMatch()) {
            const int line = m.captured(1).toInt();
            check(line >= 1 && line <= lineCount(text));
            check(lineFault.match(*pointed.reason).captured(1).toInt() == line);
        } else {
            check(outcome.reason->startsWith(QStringLiteral("нет ни одного замера")) ||
                  outcome.reason->startsWith(QStringLiteral("замеров больше")));
        }
        return 0;
    }

    check(!outcome.readings.empty() &&
          outcome.readings.size() <= static_cast<std::size_t>(kMaxReadings));
    std::set<double> spacings;
    for (const WennerReading& r : outcome.readings) {
        check(r.spacing >= kMinSpacing && r.spacing <= kMaxSpacing);
        check(r.resistance >= kMinResistance && r.resistance <= kMaxResistance);
        const double rho = r.apparentResistivity();
        check(std::isfinite(rho) && rho > 0.0);
        check(spacings.insert(r.spacing).second);
    }
    checkReadings(outcome.readings, comma);

    // Written back one a line, exactly, they read the same.
    QString written;
    for (const WennerReading& r : outcome.readings)
        written += QString::number(r.spacing, 'g', 17) + u';' +
                   QString::number(r.resistance, 'g', 17) + QStringLiteral("\r\n");
    check(readText(written, comma).readings == outcome.readings);
    return 0;
}
