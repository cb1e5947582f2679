#include "report/RtfSyntax.h"

#include <QStringDecoder>
#include <algorithm>
#include <cstdint>
#include <map>

namespace {

// The destinations that hold no text of the document, sorted.
constexpr std::array<std::string_view, 45> kHidden = {
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

// For each lower-case letter, where the destinations that begin with it start in kHidden (the
// next letter's entry is where they end).
constexpr std::array<std::uint8_t, 27> kByLetter = [] {
    std::array<std::uint8_t, 27> starts{};
    for (int letter = 0; letter <= 26; ++letter) {
        std::size_t i = 0;
        while (i < kHidden.size() && kHidden[i][0] < 'a' + letter)
            ++i;
        starts[std::size_t(letter)] = std::uint8_t(i);
    }
    return starts;
}();

} // namespace

bool rtf::isHiddenDestination(std::string_view word) {
    // Looked up for every control word of a document: only the few destinations with its first
    // letter are compared.
    if (word.size() < 4 || word[0] < 'a' || word[0] > 'z')
        return false;
    const auto letter = std::size_t(word[0] - 'a');
    for (std::size_t i = kByLetter[letter]; i < kByLetter[letter + 1]; ++i)
        if (kHidden[i] == word)
            return true;
    return false;
}

char16_t rtf::characterOfWord(std::string_view word) {
    // Looked up for most control words of a document: only the words with its first letter are
    // compared.
    switch (word.empty() ? 0 : word[0]) {
    case 'b':
        return word == "bullet" ? u'\u2022' : 0;
    case 'e':
        if (word == "emdash")
            return u'\u2014';
        if (word == "endash")
            return u'\u2013';
        if (word == "emspace")
            return u'\u2003';
        return word == "enspace" ? u'\u2002' : 0;
    case 'l':
        if (word == "lquote")
            return u'\u2018';
        return word == "ldblquote" ? u'\u201C' : 0;
    case 'q':
        return word == "qmspace" ? u'\u2005' : 0;
    case 'r':
        if (word == "rquote")
            return u'\u2019';
        return word == "rdblquote" ? u'\u201D' : 0;
    case 't':
        return word == "tab" ? u'\t' : 0;
    case 'z':
        if (word == "zwj")
            return u'\u200D';
        return word == "zwnj" ? u'\u200C' : 0;
    default:
        return 0;
    }
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

namespace {

std::optional<std::array<char16_t, 128>> decodedUpperHalf(const QByteArray& codePage) {
    QStringDecoder decoder(codePage.constData());
    if (!decoder.isValid())
        return std::nullopt;
    std::array<char16_t, 128> half{};
    half.fill(u'\uFFFD');
    // All the bytes at once: a code page of one byte a character gives one character for each.
    std::array<char, 128> bytes{};
    for (std::size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = char(0x80 + i);
    const QString all = decoder(QByteArrayView(bytes.data(), qsizetype(bytes.size())));
    if (all.size() == qsizetype(half.size()) && !decoder.hasError()) {
        for (std::size_t i = 0; i < half.size(); ++i)
            half[i] = all[qsizetype(i)].unicode();
        return half;
    }
    // Otherwise byte by byte, a byte that is no character of it left as U+FFFD.
    for (std::size_t i = 0; i < half.size(); ++i) {
        decoder.resetState();
        const QString s = decoder(QByteArrayView(&bytes[i], 1));
        if (s.size() == 1)
            half[i] = s[0].unicode();
    }
    return half;
}

} // namespace

std::optional<std::array<char16_t, 128>> rtf::upperHalf(const QByteArray& codePage) {
    // Looking a code page up and decoding its half costs more than reading a short document, and
    // a document names one or two: the tables of the code pages known here are kept, by each
    // thread. A name that is none is looked up each time, so that damaged documents do not fill
    // the table.
    thread_local std::map<QByteArray, std::array<char16_t, 128>> known;
    if (const auto it = known.find(codePage); it != known.end())
        return it->second;
    const auto half = decodedUpperHalf(codePage);
    if (half)
        known.emplace(codePage, *half);
    return half;
}
