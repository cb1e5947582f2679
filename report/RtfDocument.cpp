#include "report/RtfDocument.h"
#include "report/RtfScanner.h"
#include "report/RtfSyntax.h"

#include <QStringEncoder>
#include <algorithm>
#include <optional>
#include <string_view>
#include <utility>

namespace {

// Destinations whose text is not part of the body; a picture's data is none either.
bool isHiddenDestination(std::string_view word) {
    return rtf::isHiddenDestination(word) || word == "pict";
}

// The character that a control word stands for in the text, 0 for none: the ends of paragraphs,
// lines, sections, pages and rows are line ends, a cell's end a tab.
char16_t visibleWord(std::string_view word) {
    if (word == "par" || word == "page" || word == "line" || word == "sect" || word == "row")
        return u'\n';
    if (word == "cell")
        return u'\t';
    return rtf::characterOfWord(word);
}

} // namespace

RtfDocument::RtfDocument(QByteArray bytes) : m_bytes(std::move(bytes)) {}

const QString& RtfDocument::text() const {
    parse();
    return m_text;
}

void RtfDocument::setCodePage(const QByteArray& name) const {
    if (const auto half = rtf::upperHalf(name)) {
        m_codePage = name;
        m_upperHalf = *half;
    }
}

void RtfDocument::parse() const {
    if (m_changedFrom < 0)
        return;
    // Where a token ends depends on up to two bytes after it (a blank, a letter, a digit, a minus
    // and its digit): a checkpoint holds while the bytes some way past it are the same.
    constexpr qsizetype kLookahead = 4;
    const auto after = std::upper_bound(
        m_checkpoints.begin(), m_checkpoints.end(), m_changedFrom,
        [](qsizetype changed, const Checkpoint& c) { return changed < c.offset + kLookahead; });
    m_checkpoints.erase(after, m_checkpoints.end());
    m_changedFrom = -1;
    parseFrom(m_checkpoints.empty() ? Checkpoint{} : m_checkpoints.back());
}

void RtfDocument::parseFrom(const Checkpoint& start) const {
    constexpr qsizetype kCheckpointBytes = 1024;
    m_text.truncate(start.characters);
    m_pieces.resize(std::size_t(start.characters));
    if (start.offset == 0) {
        // A character takes one byte at least; control words take most of a document.
        m_text.reserve(m_bytes.size());
        m_pieces.reserve(std::size_t(m_bytes.size() / 4));
    }
    setCodePage(start.codePage);
    std::vector<Group> groups = start.groups;
    qsizetype openEnd = start.openEnd;
    Piece::Joint openJoint = start.openJoint;
    qsizetype lastCheckpoint = start.offset;

    const auto ends = [](const rtf::Token& t) {
        if (t.kind == rtf::Token::Kind::Word && t.bare)
            return Piece::Joint::Blank;
        // \bin0: the word ends where its (empty) data would.
        if (t.kind == rtf::Token::Kind::Binary && t.bare && t.data.empty())
            return Piece::Joint::Blank;
        if (t.kind == rtf::Token::Kind::HexByte && t.byte < 0)
            return Piece::Joint::EmptyGroup;
        return Piece::Joint::None;
    };
    const auto opened = [&](const rtf::Token& t) {
        if (const Piece::Joint joint = ends(t); joint != Piece::Joint::None) {
            openEnd = t.end;
            openJoint = joint;
        }
    };

    const auto addChar = [&](char16_t c, qsizetype begin, qsizetype end) {
        if (groups.back().hidden)
            return;
        m_text.append(QChar(c));
        m_pieces.push_back(
            {begin, end, groups.back().uc, begin == openEnd ? openJoint : Piece::Joint::None});
    };

    const std::string_view text(m_bytes.constData(), std::size_t(m_bytes.size()));
    rtf::Scanner scanner(text, start.offset);
    rtf::Token t;
    while (scanner.next(t)) {
        if (t.begin - lastCheckpoint >= kCheckpointBytes) {
            m_checkpoints.push_back(
                {t.begin, m_text.size(), groups, openEnd, openJoint, m_codePage});
            lastCheckpoint = t.begin;
        }
        using Kind = rtf::Token::Kind;
        switch (t.kind) {
        case Kind::GroupOpen:
            groups.push_back(groups.back());
            break;
        case Kind::GroupClose:
            if (groups.size() > 1)
                groups.pop_back();
            break;
        case Kind::Binary:
            break;
        case Kind::Word:
            // A destination hides the rest of its group. Valid documents open a group with it;
            // taking it wherever it stands keeps a replacement before it from changing what is
            // visible after it.
            if (isHiddenDestination(t.word))
                groups.back().hidden = true;
            if (t.hasParameter && t.word == "ansicpg")
                setCodePage("windows-" + QByteArray::number(qlonglong(t.parameter)));
            if (t.hasParameter && t.word == "uc") {
                // Real documents use a few fallback characters; a bound keeps a damaged count
                // from making every replacement enormous.
                groups.back().uc = int(std::clamp(t.parameter, 0L, 255L));
            } else if (t.hasParameter && t.word == "u") {
                // The fallback characters after it, up to the end or start of a group, belong
                // to its character; line ends among them do not count.
                const auto unit = char16_t(t.parameter < 0 ? t.parameter + 65536 : t.parameter);
                const qsizetype begin = t.begin;
                qsizetype end = t.end;
                // Without fallback characters, the word itself ends the character.
                Piece::Joint joint = ends(t);
                qsizetype jointEnd = t.end;
                for (int count = groups.back().uc; count > 0;) {
                    rtf::Scanner ahead = scanner;
                    if (!ahead.next(t) || t.kind == Kind::GroupOpen || t.kind == Kind::GroupClose)
                        break;
                    scanner = ahead;
                    end = t.end;
                    if (t.kind == Kind::Byte && (t.character == '\r' || t.character == '\n'))
                        continue;
                    joint = ends(t);
                    jointEnd = t.end;
                    --count;
                }
                addChar(unit, begin, end);
                openEnd = joint == Piece::Joint::None || jointEnd != end ? -1 : end;
                openJoint = joint;
                continue;
            } else if (const char16_t v = visibleWord(t.word)) {
                addChar(v, t.begin, t.end);
            }
            break;
        case Kind::HexByte:
            if (t.byte >= 0)
                addChar(t.byte < 0x80 ? char16_t(t.byte) : m_upperHalf[std::size_t(t.byte - 0x80)],
                        t.begin, t.end);
            break;
        case Kind::Symbol:
            if (t.character == '*')
                groups.back().hidden = true;
            else if (t.character == '\r' || t.character == '\n')
                addChar(u'\n', t.begin, t.end);
            else if (const char16_t v = rtf::characterOfSymbol(t.character))
                addChar(v, t.begin, t.end);
            break;
        case Kind::Byte: {
            const auto byte = static_cast<unsigned char>(t.character);
            if (byte >= 0x80)
                addChar(m_upperHalf[byte - 0x80], t.begin, t.end);
            else if (byte >= 0x20 || t.character == '\t')
                addChar(char16_t(byte), t.begin, t.end);
            continue; // nothing runs into a byte
        }
        }
        opened(t);
    }
}

namespace {

// One character beyond ASCII as RTF, its fallback in the code page of encoder (none: a question
// mark). One encoder serves a whole text: making one looks the code page up each time.
QByteArray escaped(char16_t c, int uc, QStringEncoder* encoder) {
    QByteArray out = "\\u" + QByteArray::number(c > 32767 ? int(c) - 65536 : int(c));
    if (uc <= 0)
        return out + ' ';
    QByteArray fallback = "?";
    if (uc == 1 && !QChar::isSurrogate(c) && encoder && encoder->isValid()) {
        encoder->resetState();
        const QChar ch(c);
        const QByteArray e = (*encoder)(QStringView(&ch, 1));
        if (!encoder->hasError() && e.size() == 1 && e[0] != '?') {
            const auto byte = static_cast<unsigned char>(e[0]);
            fallback = byte >= 0x80 ? "\\'" + QByteArray::number(byte, 16) : e;
            if (fallback == "\\" || fallback == "{" || fallback == "}")
                fallback = "\\" + fallback;
        }
    }
    out += fallback;
    for (int i = 1; i < uc; ++i)
        out += '?';
    return out;
}

} // namespace

QByteArray RtfDocument::unicodeEscape(char16_t c, int uc, const QByteArray& codePage) {
    QStringEncoder encoder(codePage.constData());
    return escaped(c, uc, &encoder);
}

QByteArray RtfDocument::encode(const QString& text, int uc, const QByteArray& codePage) {
    QByteArray out;
    std::optional<QStringEncoder> encoder; // made for the first character beyond ASCII
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
            if (!encoder && uc == 1)
                encoder.emplace(codePage.constData());
            out += escaped(c, uc, encoder ? &*encoder : nullptr);
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
    // follows (an empty group an escape short of its digits), unless that control word is the
    // key's previous character and goes too. In a group of its own the value cannot run into
    // anything (a damaged word before it, say).
    const auto apart = [](Piece::Joint joint) {
        switch (joint) {
        case Piece::Joint::Blank:
            return QByteArray(" ");
        case Piece::Joint::EmptyGroup:
            return QByteArray("{}");
        case Piece::Joint::None:
            break;
        }
        return QByteArray();
    };
    m_bytes = original;
    for (std::size_t i = pieces.size() - 1; i > 0; --i) {
        const Piece& piece = pieces[i];
        const bool wordStays = pieces[i - 1].end != piece.begin;
        m_bytes.replace(piece.begin, piece.end - piece.begin,
                        wordStays ? apart(piece.joint) : QByteArray());
    }
    const Piece& head = pieces.front();
    if (ownGroup)
        replacement = '{' + replacement + '}';
    else
        replacement.prepend(apart(head.joint));
    m_bytes.replace(head.begin, head.end - head.begin, replacement);
    m_changedFrom = m_changedFrom < 0 ? head.begin : std::min(m_changedFrom, head.begin);
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
