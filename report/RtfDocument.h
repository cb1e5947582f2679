// An RTF document held as bytes, with its visible text mapped back to the bytes of each character,
// so that a text can be found and replaced wherever groups and control words split it.
#pragma once

#include <QByteArray>
#include <QString>
#include <array>
#include <functional>
#include <vector>

class RtfDocument {
public:
    explicit RtfDocument(QByteArray bytes = {});

    const QByteArray& bytes() const { return m_bytes; }
    // The text a reader sees in the body: no control words, no hidden destinations (font and
    // colour tables, styles, document information, pictures, field instructions, headers).
    const QString& text() const;
    // Replaces the first occurrence of key (case-sensitive) whose first character begins at or
    // after byte offset from by value, written as RTF text. The bytes outside the key's own
    // characters stay as they were. Returns the offset just after the replacement, -1 when the key
    // is not found (the document is then unchanged).
    qsizetype replaceFirst(const QString& key, const QString& value, qsizetype from);
    // Writes RTF for a place: a text there is encoded with uc fallback characters and codePage.
    using RtfWriter = std::function<QByteArray(int uc, const QByteArray& codePage)>;
    // As replaceFirst, with the RTF that rtf writes for the key's place (a picture, a table) in
    // place of the key. That RTF must be whole: its groups closed, ending with a blank or the end
    // of a group.
    qsizetype replaceFirstWithRtf(const QString& key, const RtfWriter& rtf, qsizetype from);
    // As replaceFirst with an empty value; where the key stands alone in its paragraph, that
    // paragraph's break goes too, so that no empty paragraph is left.
    qsizetype removeFirstParagraph(const QString& key, qsizetype from);

    // One character beyond ASCII as RTF: \uN followed by uc fallback characters, the first in the
    // code page when it has the character (uc 0: a blank ends the control word instead).
    static QByteArray unicodeEscape(char16_t c, int uc, const QByteArray& codePage);
    // A text as RTF for a place where uc fallback characters follow \uN.
    static QByteArray encode(const QString& text, int uc, const QByteArray& codePage);

private:
    // What makes one visible character.
    struct Piece {
        // What must stand between the bytes before begin and what comes after them once the
        // piece goes: nothing, a blank (a control word without its blank ends right before
        // begin) or an empty group (an escape short of its hexadecimal digits does).
        enum class Joint { None, Blank, EmptyGroup };

        qsizetype begin = 0;
        qsizetype end = 0;
        int uc = 1; // fallback characters after \uN in effect here
        Joint joint = Joint::None;
    };

    struct Group {
        int uc = 1;
        bool hidden = false;
    };
    // What reading needs to go on from where a token begins, as it was there.
    struct Checkpoint {
        qsizetype offset = 0;     // where the token begins
        qsizetype characters = 0; // the visible characters before it
        std::vector<Group> groups{Group{}};
        // Where a token ends that what follows it could run into, and what keeps them apart.
        qsizetype openEnd = -1;
        Piece::Joint openJoint = Piece::Joint::None;
        QByteArray codePage = "windows-1252";
    };

    // Reads what changed since the last reading, from the last checkpoint before it.
    void parse() const;
    void parseFrom(const Checkpoint& start) const;
    void setCodePage(const QByteArray& name) const;
    // The text position of the first occurrence of key whose first character begins at or after
    // byte offset from; -1 when there is none.
    qsizetype find(const QString& key, qsizetype from) const;
    // Puts replacement (bytes) in place of the pieces of a key in original, which becomes the
    // document; the offset just after it.
    qsizetype replacePieces(const std::vector<Piece>& pieces, const QByteArray& original,
                            QByteArray replacement, bool ownGroup);

    QByteArray m_bytes;
    // The first byte that changed since the document was last read; -1 when none did.
    mutable qsizetype m_changedFrom = 0;
    // One every kilobyte or so, in the order of the bytes: a replacement reads again from the
    // last one before its key, the bytes before it being the same.
    mutable std::vector<Checkpoint> m_checkpoints;
    mutable QString m_text;
    mutable std::vector<Piece> m_pieces;
    mutable QByteArray m_codePage;
    mutable std::array<char16_t, 128> m_upperHalf{}; // the code page's characters 0x80..0xFF
};
