#include "report/RtfSyntax.h"

#include <QStringDecoder>
#include <algorithm>
#include <utility>

bool rtf::isHiddenDestination(std::string_view word) {
    // Looked up for every control word of a document: kept sorted, searched by halves.
    static constexpr std::array<std::string_view, 45> kHidden = {
        "annotation",
        "atnauthor",
        "atnid",
        "author",
        "bkmkend",
        "bkmkstart",
        "colorschememapping",
        "colortbl",
        "comment",
        "company",
        "datastore",
        "docvar",
        "filetbl",
        "fldinst",
        "fonttbl",
        "footer",
        "footerf",
        "footerl",
        "footerr",
        "footnote",
        "generator",
        "header",
        "headerf",
        "headerl",
        "headerr",
        "info",
        "latentstyles",
        "listoverridetable",
        "listtable",
        "listtext",
        "nonshppict",
        "operator",
        "pgdsctbl",
        "pntext",
        "pntxta",
        "pntxtb",
        "revtbl",
        "rsidtbl",
        "stylesheet",
        "subject",
        "template",
        "themedata",
        "title",
        "userprops",
        "xmlnstbl",
    };
    static_assert(std::is_sorted(kHidden.begin(), kHidden.end()));
    return std::binary_search(kHidden.begin(), kHidden.end(), word);
}

char16_t rtf::characterOfWord(std::string_view word) {
    static constexpr std::pair<std::string_view, char16_t> kWords[] = {
        {"tab", u'\t'},           {"emdash", u'\u2014'},    {"endash", u'\u2013'},
        {"bullet", u'\u2022'},    {"lquote", u'\u2018'},    {"rquote", u'\u2019'},
        {"ldblquote", u'\u201C'}, {"rdblquote", u'\u201D'}, {"emspace", u'\u2003'},
        {"enspace", u'\u2002'},   {"qmspace", u'\u2005'},   {"zwj", u'\u200D'},
        {"zwnj", u'\u200C'},
    };
    for (const auto& [name, c] : kWords)
        if (word == name)
            return c;
    return 0;
}

char16_t rtf::characterOfSymbol(char symbol) {
    switch (symbol) {
    case '\\':
    case '{':
    case '}':
        return char16_t(symbol);
    case '~':
        return u'\u00A0';
    case '_':
        return u'\u2011';
    case '-':
        return u'\u00AD';
    default:
        return 0;
    }
}

rtf::ControlWord rtf::readControlWord(std::string_view rtf, qsizetype p) {
    const auto n = qsizetype(rtf.size());
    const auto at = [&rtf](qsizetype i) { return rtf[std::size_t(i)]; };
    ControlWord w;
    const qsizetype start = p;
    while (p < n && isLetter(at(p)) && p - start < 32)
        ++p;
    w.name = rtf.substr(std::size_t(start), std::size_t(p - start));
    qsizetype digits = p;
    if (p < n && at(p) == '-' && p + 1 < n && isDigit(at(p + 1)))
        ++digits;
    if (digits < n && isDigit(at(digits))) {
        const bool negative = digits != p;
        p = digits;
        long v = 0;
        while (p < n && isDigit(at(p)) && p - digits < 10)
            v = v * 10 + (at(p++) - '0');
        w.hasParameter = true;
        w.parameter = negative ? -v : v;
    }
    if (p < n && at(p) == ' ') {
        w.end = p + 1;
    } else {
        w.end = p;
        w.bare = true;
    }
    return w;
}

std::array<char16_t, 128> rtf::upperHalf(const QByteArray& codePage) {
    std::array<char16_t, 128> half{};
    half.fill(u'\uFFFD');
    // One decoder for all the bytes: making one looks the code page up each time.
    QStringDecoder decoder(codePage.constData());
    if (!decoder.isValid())
        return half;
    for (int b = 0x80; b <= 0xFF; ++b) {
        decoder.resetState();
        const char byte = char(b);
        const QString s = decoder(QByteArrayView(&byte, 1));
        if (s.size() == 1)
            half[std::size_t(b - 0x80)] = s[0].unicode();
    }
    return half;
}
