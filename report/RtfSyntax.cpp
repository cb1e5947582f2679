#include "report/RtfSyntax.h"

#include <QStringDecoder>
#include <algorithm>

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
    for (int b = 0x80; b <= 0xFF; ++b) {
        QStringDecoder decoder(codePage.constData());
        const char byte = char(b);
        const QString s = decoder(QByteArrayView(&byte, 1));
        half[std::size_t(b - 0x80)] =
            decoder.isValid() && s.size() == 1 ? s[0].unicode() : u'\uFFFD';
    }
    return half;
}
