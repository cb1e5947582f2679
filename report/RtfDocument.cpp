#include "report/RtfDocument.h"
#include "report/RtfSyntax.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <algorithm>
#include <cstring>
#include <string_view>
#include <utility>

namespace {

using rtf::hexValue;
using rtf::isLetter;

// Destinations whose text is not part of the body; a picture's data is none either.
bool isHiddenDestination(std::string_view word) {
    return word == "pict" || rtf::isHiddenDestination(word);
}

// The character that a control word stands for in the text, 0 for none.
char16_t visibleWord(std::string_view word) {
    static const std::pair<const char*, char16_t> kWords[] = {
        {"par", u'\n'},           {"line", u'\n'},          {"sect", u'\n'},
        {"page", u'\n'},          {"row", u'\n'},           {"cell", u'\t'},
        {"tab", u'\t'},           {"emdash", u'\u2014'},    {"endash", u'\u2013'},
        {"bullet", u'\u2022'},    {"lquote", u'\u2018'},    {"rquote", u'\u2019'},
        {"ldblquote", u'\u201C'}, {"rdblquote", u'\u201D'}, {"emspace", u'\u2003'},
        {"enspace", u'\u2002'},   {"qmspace", u'\u2005'},
    };
    for (const auto& [name, c] : kWords)
        if (word == name)
            return c;
    return 0;
}

} // namespace

RtfDocument::RtfDocument(QByteArray bytes) : m_bytes(std::move(bytes)) {}

const QString& RtfDocument::text() const {
    parse();
    return m_text;
}

qsizetype RtfDocument::offsetOf(qsizetype position) const {
    parse();
    if (position < 0 || position >= qsizetype(m_pieces.size()))
        return m_bytes.size();
    return m_pieces[std::size_t(position)].begin;
}

void RtfDocument::parse() const {
    if (m_parsed)
        return;
    m_parsed = true;
    m_text.clear();
    m_pieces.clear();
    const auto setCodePage = [this](const QByteArray& name) {
        if (name == m_tableCodePage) {
            m_codePage = name;
            return;
        }
        QStringDecoder probe(name.constData());
        if (!probe.isValid())
            return;
        m_codePage = name;
        m_tableCodePage = name;
        m_upperHalf = rtf::upperHalf(name);
    };
    setCodePage("windows-1252");

    struct Group {
        int uc = 1;
        bool hidden = false;
    };
    std::vector<Group> groups{Group{}};
    const QByteArray& b = m_bytes;
    const qsizetype n = b.size();
    const std::string_view text(b.constData(), std::size_t(n));
    qsizetype p = 0;
    qsizetype bareWordEnd = -1; // the end of the last control word without its blank
    bool groupStart = false;    // nothing read yet in the group just opened

    const auto addChar = [&](char16_t c, qsizetype begin, qsizetype end) {
        if (groups.back().hidden)
            return;
        m_text.append(QChar(c));
        m_pieces.push_back({begin, end, groups.back().uc, begin == bareWordEnd});
    };
    // Skips the uc fallback characters after \uN from q; returns where they end.
    qsizetype fallbackBareEnd = -1; // where the fallback ends with a control word without blank
    const auto skipFallback = [&](qsizetype q, int count) {
        fallbackBareEnd = -1;
        while (count > 0 && q < n) {
            const char c = b[q];
            if (c == '{' || c == '}')
                break;
            if (c == '\r' || c == '\n') {
                ++q;
                continue;
            }
            if (c == '\\' && q + 1 < n) {
                if (b[q + 1] == '\'')
                    q = std::min(n, q + 4);
                else if (isLetter(b[q + 1])) {
                    const rtf::ControlWord w = rtf::readControlWord(text, q + 1);
                    q = w.end;
                    // A fallback word without its blank must not run into what follows.
                    if (w.bare && count == 1)
                        fallbackBareEnd = q;
                } else
                    q += 2;
            } else {
                ++q;
            }
            --count;
        }
        return q;
    };

    while (p < n) {
        const char c = b[p];
        const bool atGroupStart = std::exchange(groupStart, false);
        if (c == '{') {
            groups.push_back(groups.back());
            groupStart = true;
            ++p;
        } else if (c == '}') {
            if (groups.size() > 1)
                groups.pop_back();
            ++p;
        } else if (c == '\\') {
            if (p + 1 >= n) {
                ++p;
            } else if (isLetter(b[p + 1])) {
                const rtf::ControlWord w = rtf::readControlWord(text, p + 1);
                const qsizetype begin = p;
                p = w.end;
                // A destination hides the rest of its group. Valid documents open a group with
                // it; taking it wherever it stands keeps a replacement before it from changing
                // what is visible after it.
                if (isHiddenDestination(w.name))
                    groups.back().hidden = true;
                if (w.name == "bin" && w.hasParameter) {
                    // The word ends before its data; with no data, text may follow it at once.
                    if (w.bare)
                        bareWordEnd = p;
                    p = std::min(n, p + std::max(0L, w.parameter));
                    continue;
                }
                if (w.name == "ansicpg" && w.hasParameter)
                    setCodePage("windows-" + QByteArray::number(qlonglong(w.parameter)));
                if (w.name == "uc" && w.hasParameter) {
                    // Real documents use a few fallback characters; a bound keeps a damaged
                    // count from making every replacement enormous.
                    groups.back().uc = int(std::clamp(w.parameter, 0L, 255L));
                } else if (w.name == "u" && w.hasParameter) {
                    const auto unit = char16_t(w.parameter < 0 ? w.parameter + 65536 : w.parameter);
                    const int uc = groups.back().uc;
                    const qsizetype end = uc > 0 ? skipFallback(p, uc) : p;
                    addChar(unit, begin, end);
                    if (fallbackBareEnd >= 0)
                        bareWordEnd = fallbackBareEnd;
                    p = end;
                    if (uc == 0 && w.bare)
                        bareWordEnd = p;
                    continue;
                } else if (const char16_t v = visibleWord(w.name)) {
                    addChar(v, begin, p);
                }
                if (w.bare)
                    bareWordEnd = p;
            } else {
                const char s = b[p + 1];
                const qsizetype begin = p;
                if (s == '\'') {
                    const int hi = p + 2 < n ? hexValue(b[p + 2]) : -1;
                    const int lo = p + 3 < n ? hexValue(b[p + 3]) : -1;
                    p = std::min(n, p + 4);
                    if (hi >= 0 && lo >= 0) {
                        const int byte = hi * 16 + lo;
                        addChar(byte < 0x80 ? char16_t(byte)
                                            : m_upperHalf[std::size_t(byte - 0x80)],
                                begin, p);
                    }
                    continue;
                }
                p += 2;
                if (s == '*') {
                    groups.back().hidden = true;
                    groupStart = atGroupStart; // the destination's word is still to come
                } else if (s == '\\' || s == '{' || s == '}') {
                    addChar(char16_t(s), begin, p);
                } else if (s == '~') {
                    addChar(u'\u00A0', begin, p);
                } else if (s == '_') {
                    addChar(u'\u2011', begin, p);
                } else if (s == '\r' || s == '\n') {
                    addChar(u'\n', begin, p);
                }
            }
        } else if (c == '\r' || c == '\n') {
            ++p;
        } else {
            const auto byte = static_cast<unsigned char>(c);
            if (byte >= 0x80)
                addChar(m_upperHalf[byte - 0x80], p, p + 1);
            else if (byte >= 0x20 || c == '\t')
                addChar(char16_t(byte), p, p + 1);
            ++p;
        }
    }
}

QByteArray RtfDocument::unicodeEscape(char16_t c, int uc, const QByteArray& codePage) {
    QByteArray out = "\\u" + QByteArray::number(c > 32767 ? int(c) - 65536 : int(c));
    if (uc <= 0)
        return out + ' ';
    QByteArray fallback = "?";
    if (uc == 1 && !QChar::isSurrogate(c)) {
        QStringEncoder encoder(codePage.constData());
        if (encoder.isValid()) {
            const QChar ch(c);
            const QByteArray e = encoder(QStringView(&ch, 1));
            if (!encoder.hasError() && e.size() == 1 && e[0] != '?') {
                const auto byte = static_cast<unsigned char>(e[0]);
                fallback = byte >= 0x80 ? "\\'" + QByteArray::number(byte, 16) : e;
                if (fallback == "\\" || fallback == "{" || fallback == "}")
                    fallback = "\\" + fallback;
            }
        }
    }
    for (int i = 0; i < uc; ++i)
        out += i == 0 ? fallback : QByteArray("?");
    return out;
}

QByteArray RtfDocument::encode(const QString& text, int uc, const QByteArray& codePage) {
    QByteArray out;
    for (const QChar ch : text) {
        const char16_t c = ch.unicode();
        if (c == '\\' || c == '{' || c == '}') {
            out += '\\';
            out += char(c);
        } else if (c == '\t') {
            out += "\\tab ";
        } else if (c == '\n') {
            out += "\\par ";
        } else if (c >= 0x20 && c < 0x80) {
            out += char(c);
        } else if (c >= 0x80) {
            out += unicodeEscape(c, uc, codePage);
        }
    }
    return out;
}

qsizetype RtfDocument::find(const QString& key, qsizetype from) const {
    parse();
    if (key.isEmpty())
        return -1;
    const auto first =
        std::lower_bound(m_pieces.begin(), m_pieces.end(), from,
                         [](const Piece& piece, qsizetype offset) { return piece.begin < offset; });
    return m_text.indexOf(key, first - m_pieces.begin(), Qt::CaseSensitive);
}

qsizetype RtfDocument::replacePieces(const std::vector<Piece>& pieces, const QByteArray& original,
                                     QByteArray replacement, bool ownGroup) {
    // Take the key's characters out from the last to the first, so that offsets stay valid; a
    // blank keeps a control word that ended right before a character from running into what
    // follows, unless that control word is the key's previous character and goes too. In a
    // group of its own the value cannot run into anything (a damaged word before it, say).
    m_bytes = original;
    for (std::size_t i = pieces.size() - 1; i > 0; --i) {
        const Piece& piece = pieces[i];
        const bool wordStays = pieces[i - 1].end != piece.begin;
        m_bytes.replace(piece.begin, piece.end - piece.begin,
                        piece.afterBareWord && wordStays ? QByteArray(" ") : QByteArray());
    }
    const Piece& head = pieces.front();
    if (ownGroup)
        replacement = '{' + replacement + '}';
    else if (head.afterBareWord)
        replacement.prepend(' ');
    m_bytes.replace(head.begin, head.end - head.begin, replacement);
    m_parsed = false;
    return head.begin + replacement.size();
}

qsizetype RtfDocument::replaceFirst(const QString& key, const QString& value, qsizetype from) {
    const qsizetype at = find(key, from);
    if (at < 0)
        return -1;
    const QByteArray original = m_bytes;
    // The key's own pieces: parsing again (below) replaces m_pieces.
    const std::vector<Piece> pieces(m_pieces.begin() + at, m_pieces.begin() + at + key.size());
    const QString expected = m_text.left(at) + value + m_text.mid(at + key.size());
    const QByteArray encoded = encode(value, pieces.front().uc, m_codePage);
    qsizetype after = replacePieces(pieces, original, encoded, false);
    if (text() != expected)
        after = replacePieces(pieces, original, encoded, true);
    return after;
}

qsizetype RtfDocument::removeFirstParagraph(const QString& key, qsizetype from) {
    const qsizetype at = find(key, from);
    if (at < 0)
        return -1;
    const qsizetype end = at + key.size();
    const bool alone =
        (at == 0 || m_text[at - 1] == u'\n') && end < m_text.size() && m_text[end] == u'\n';
    const QByteArray original = m_bytes;
    const std::vector<Piece> pieces(m_pieces.begin() + at,
                                    m_pieces.begin() + end + (alone ? 1 : 0));
    return replacePieces(pieces, original, QByteArray(), false);
}

qsizetype RtfDocument::replaceFirstWithRtf(const QString& key, const RtfWriter& rtf,
                                           qsizetype from) {
    const qsizetype at = find(key, from);
    if (at < 0)
        return -1;
    const QByteArray original = m_bytes;
    const std::vector<Piece> pieces(m_pieces.begin() + at, m_pieces.begin() + at + key.size());
    return replacePieces(pieces, original, rtf(pieces.front().uc, m_codePage), false);
}
