#include "report/RtfScanner.h"

#include "report/RtfSyntax.h"

#include <algorithm>

rtf::Scanner::Scanner(std::string_view rtf, qsizetype from)
    : m_rtf(rtf), m_position(std::clamp(from, qsizetype(0), qsizetype(rtf.size()))) {}

bool rtf::Scanner::next(Token& t) {
    const auto n = qsizetype(m_rtf.size());
    qsizetype p = m_position;
    if (p >= n)
        return false;
    const auto at = [this](qsizetype i) { return m_rtf[std::size_t(i)]; };
    t.begin = p;
    const char c = at(p);
    switch (c) {
    case '\\':
        break;
    case '{':
        t.kind = Token::Kind::GroupOpen;
        t.end = m_position = p + 1;
        return true;
    case '}':
        t.kind = Token::Kind::GroupClose;
        t.end = m_position = p + 1;
        return true;
    default:
        t.kind = Token::Kind::Byte;
        t.character = c;
        t.end = m_position = p + 1;
        return true;
    }
    if (p + 1 >= n) {
        m_position = n;
        return false;
    }
    const char next = at(p + 1);
    if (isLetter(next)) {
        // At most 32 letters, then an optional minus and at most 10 digits, then a blank that
        // belongs to the word.
        qsizetype q = p + 1;
        const qsizetype letters = std::min(n, q + 32);
        while (q < letters && isLetter(at(q)))
            ++q;
        t.kind = Token::Kind::Word;
        t.word = m_rtf.substr(std::size_t(p + 1), std::size_t(q - p - 1));
        qsizetype digits = q;
        if (q + 1 < n && at(q) == '-' && isDigit(at(q + 1)))
            ++digits;
        t.hasParameter = digits < n && isDigit(at(digits));
        t.parameter = 0;
        if (t.hasParameter) {
            const bool negative = digits != q;
            long v = 0;
            const qsizetype last = std::min(n, digits + 10);
            for (q = digits; q < last && isDigit(at(q)); ++q)
                v = v * 10 + (at(q) - '0');
            t.parameter = negative ? -v : v;
        }
        t.bare = q >= n || at(q) != ' ';
        t.end = t.bare ? q : q + 1;
        if (t.hasParameter && t.word == "bin") {
            const qsizetype length = std::min(n - t.end, qsizetype(std::max(0L, t.parameter)));
            t.kind = Token::Kind::Binary;
            t.data = m_rtf.substr(std::size_t(t.end), std::size_t(length));
            t.end += length;
        }
    } else if (next == '\'') {
        const int hi = p + 2 < n ? hexValue(at(p + 2)) : -1;
        const int lo = hi >= 0 && p + 3 < n ? hexValue(at(p + 3)) : -1;
        t.kind = Token::Kind::HexByte;
        t.byte = lo >= 0 ? hi * 16 + lo : -1;
        t.end = p + (hi < 0 ? 2 : lo < 0 ? 3 : 4);
    } else {
        t.kind = Token::Kind::Symbol;
        t.character = next;
        t.end = p + 2;
    }
    m_position = t.end;
    return true;
}
