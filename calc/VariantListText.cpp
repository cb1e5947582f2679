// The lists of the variant search as texts.
#include "calc/VariantListText.h"

#include "base/Errors.h"
#include "calc/VariantTexts.h"

#include <QRegularExpression>
#include <QStringList>

namespace {

namespace tx = variant_texts;

QStringList itemsOf(const QString& text) {
    QStringList items;
    for (const QString& part : text.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QString item = part.trimmed();
        if (!item.isEmpty())
            items << item;
    }
    return items;
}

std::optional<std::int32_t> whole(const QString& text) {
    try {
        return NumberText::readWhole(text);
    } catch (const ConversionError&) {
        return std::nullopt;
    }
}

// The whole numbers of a size "50×50×5", "40x4"; none when a part is no whole number.
std::optional<std::vector<std::int32_t>> sizeParts(const QString& item) {
    static const QRegularExpression times(QStringLiteral("[×xXхХ*]"));
    std::vector<std::int32_t> parts;
    for (const QString& part : item.split(times)) {
        const auto v = whole(part.trimmed());
        if (!v)
            return std::nullopt;
        parts.push_back(*v);
    }
    return parts;
}

QString sizeText(std::initializer_list<std::int32_t> parts) {
    QStringList texts;
    for (std::int32_t p : parts)
        texts << NumberText::whole(p);
    return texts.join(QStringLiteral("×"));
}

template <class Item> QString join(const std::vector<Item>& items, auto&& text) {
    QStringList texts;
    for (const Item& item : items)
        texts << text(item);
    return texts.join(QStringLiteral("; "));
}

} // namespace

ReadList<AngleSize> readAngles(const QString& text) {
    ReadList<AngleSize> list;
    for (const QString& item : itemsOf(text)) {
        const auto parts = sizeParts(item);
        if (!parts || parts->size() != 3 || (*parts)[0] != (*parts)[1]) {
            list.error = tx::notASize(tx::anglesList(), item, QStringLiteral("b×b×δ"));
            return list;
        }
        if ((*parts)[0] <= 0 || (*parts)[2] <= 0) {
            list.error = tx::notPositive(tx::anglesList(), item);
            return list;
        }
        list.items.push_back({(*parts)[0], (*parts)[2]});
    }
    return list;
}

ReadList<std::int32_t> readRoundDiameters(const QString& text) {
    ReadList<std::int32_t> list;
    for (const QString& item : itemsOf(text)) {
        QString digits = item;
        if (digits.startsWith(QChar(u'⌀')))
            digits = digits.mid(1).trimmed();
        const auto d = whole(digits);
        if (!d) {
            list.error = tx::notANumber(tx::roundsList(), item);
            return list;
        }
        if (*d <= 0) {
            list.error = tx::notPositive(tx::roundsList(), item);
            return list;
        }
        list.items.push_back(*d);
    }
    return list;
}

ReadList<double> readLengths(const QString& text, const NumberText& numbers) {
    ReadList<double> list;
    for (const QString& item : itemsOf(text)) {
        double l = 0;
        try {
            l = numbers.readDecimal(item);
        } catch (const ConversionError&) {
            list.error = tx::notANumber(tx::lengthsList(), item);
            return list;
        }
        if (!(l > 0)) {
            list.error = tx::notPositive(tx::lengthsList(), item);
            return list;
        }
        list.items.push_back(l);
    }
    return list;
}

ReadList<std::int32_t> readRatios(const QString& text) {
    ReadList<std::int32_t> list;
    for (const QString& item : itemsOf(text)) {
        const auto r = whole(item);
        if (!r || *r < 1 || *r > 3) {
            list.error = tx::ratioNotTabulated(item);
            return list;
        }
        list.items.push_back(*r);
    }
    return list;
}

ReadList<StripSize> readStrips(const QString& text) {
    ReadList<StripSize> list;
    for (const QString& item : itemsOf(text)) {
        const auto parts = sizeParts(item);
        if (!parts || parts->size() != 2) {
            list.error = tx::notASize(tx::stripsList(), item, QStringLiteral("bп×δп"));
            return list;
        }
        if ((*parts)[0] <= 0 || (*parts)[1] <= 0) {
            list.error = tx::notPositive(tx::stripsList(), item);
            return list;
        }
        list.items.push_back({(*parts)[0], (*parts)[1]});
    }
    return list;
}

ReadValue readOptionalValue(const QString& text, const NumberText& numbers, const QString& name) {
    ReadValue read;
    const QString item = text.trimmed();
    if (item.isEmpty())
        return read;
    try {
        read.value = numbers.readDecimal(item);
    } catch (const ConversionError&) {
        read.error = tx::notANumber(name, item);
        return read;
    }
    if (!(*read.value > 0)) {
        read.error = tx::notPositive(name, item);
        read.value.reset();
    }
    return read;
}

ReadValue readMaxElectrodes(const QString& text) {
    ReadValue read;
    const QString item = text.trimmed();
    const auto n = whole(item);
    if (!n)
        read.error = tx::notANumber(tx::maxElectrodesLimit(), item);
    else if (*n <= 0)
        read.error = tx::notPositive(tx::maxElectrodesLimit(), item);
    else
        read.value = *n;
    return read;
}

QString anglesText(const std::vector<AngleSize>& angles) {
    return join(angles, [](const AngleSize& a) {
        return sizeText({a.flangeMm, a.flangeMm, a.wallMm});
    });
}

QString roundDiametersText(const std::vector<std::int32_t>& diameters) {
    return join(diameters, [](std::int32_t d) { return NumberText::whole(d); });
}

QString lengthsText(const std::vector<double>& lengths, const NumberText& numbers) {
    return join(lengths, [&](double l) { return numbers.general(l); });
}

QString ratiosText(const std::vector<std::int32_t>& ratios) {
    return join(ratios, [](std::int32_t r) { return NumberText::whole(r); });
}

QString stripsText(const std::vector<StripSize>& strips) {
    return join(strips, [](const StripSize& s) { return sizeText({s.widthMm, s.thicknessMm}); });
}

QString optionalValueText(const std::optional<double>& value, const NumberText& numbers) {
    return value ? numbers.general(*value) : QString();
}
