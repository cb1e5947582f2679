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
        const ControlWord w = readControlWord(m_rtf, p + 1);
        t.word = w.name;
        t.hasParameter = w.hasParameter;
        t.parameter = w.parameter;
        t.bare = w.bare;
        t.end = w.end;
        t.kind = Token::Kind::Word;
        if (w.hasParameter && w.name == "bin") {
            const qsizetype length = std::min(n - w.end, qsizetype(std::max(0L, w.parameter)));
            t.kind = Token::Kind::Binary;
            t.data = m_rtf.substr(std::size_t(w.end), std::size_t(length));
            t.end = w.end + length;
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
